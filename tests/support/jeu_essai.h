#pragma once
// A made-up association for tests and benchmarks: members, propositions,
// classification and account lines with texts of realistic length, always
// the same for the same sizes.
#include "data/modele.h"

struct tailles_essai {
    int adhérents = 40;
    int propositions = 60;
    int lignes = 80;
    int codes = 30;
};

void remplit_association_essai(données_sel& d, const tailles_essai& t = {});

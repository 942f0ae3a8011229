#include "classification/purge.h"

#include "classification/propositions.h"
#include "data/dialogues.h"
#include "data/modele.h"

int nombre_propositions_à_purger()
{
    int n = 0;
    pour_chaque_proposition(données, [&](int, const proposition& p) {
        if (p.additif > 1)
            ++n;
    });
    return n;
}

int purge_offres_demandes()
{
    auto& t = données.table_propositions;
    int gardées = 0;
    int retirées = 0;
    // Compacts the list order in place: position `gardées` never passes i.
    for (int i = 1; i <= données.nombre_propositions; ++i) {
        const int s = t[i].ordre;
        if (s >= 1 && s <= max_propositions && t[s].additif > 1) {
            ++retirées;
            continue;
        }
        t[++gardées].ordre = static_cast<int16>(s);
    }
    données.nombre_propositions = static_cast<int16>(gardées);
    MsgBox(QString::number(retirées) + suite_message_purge, style_boîte::ok);
    return retirées;
}

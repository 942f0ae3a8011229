#include "programme.h"

int main(int argc, char* argv[]) { return exécute_trovane(argc, argv); }

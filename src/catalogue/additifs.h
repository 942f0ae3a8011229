#pragma once
// Closing a supplement: once it is printed, what it announced as new becomes
// normal and what it announced as deleted is eliminated for good, so that
// the next supplement starts afresh. Each reset then writes the data file.

// Offers and requests: status 1 becomes 0, status 2 becomes 3. An empty
// table changes nothing and writes nothing.
void enlève_additif_offres_demandes();

// The same on the member register.
void enlève_additif_adhérents();

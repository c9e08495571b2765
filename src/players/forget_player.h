#pragma once
// What the player table's hidden rows still hold of a player. Every version of a row and a
// deleted row stay in "jatekosok.xml" for the change log, with the values they had: a deleted
// player's name and password, and every old password, would outlive the change that removed them.
#include <cstdint>

#include "tables/table_store.h"

namespace kvadrix::players {

// Clears `nev` and `jelszo` of every superseded or deleted row of the key: after the player's
// row is deleted, nothing of the player is left in the file.
void ForgetDeletedPlayer(tables::TableStore& players, int32_t key);

// Clears `jelszo` of every superseded row of the key: after a new password is stored, no old one
// is left in the file.
void ForgetOldPasswords(tables::TableStore& players, int32_t key);

}  // namespace kvadrix::players

#pragma once

#include "texts/positions_trous_donnees.h"

#include <array>
#include <cstdint>
#include <vector>

// The place of each entry box of a text picture: rows 0 to n, one per blank, columns 1 Left,
// 2 Top, 3 Width, 16-bit twips from the picture's top-left corner. Built at start-up from the
// design values and adapted to the screen; only read afterwards.
class positions_trous {
public:
    explicit positions_trous(int nombre_lignes = 0) : lignes_(std::size_t(nombre_lignes)) {}
    // Cell (row, column), column 1 to 3.
    std::int16_t operator()(int ligne, int colonne) const { return lignes_.at(std::size_t(ligne)).at(std::size_t(colonne - 1)); }
    std::int16_t& operator()(int ligne, int colonne) { return lignes_.at(std::size_t(ligne)).at(std::size_t(colonne - 1)); }
    // The last row, n.
    int UBound() const { return int(lignes_.size()) - 1; }

private:
    std::vector<std::array<std::int16_t, 3>> lignes_;
};

// The 26 tables in the order of tables_trous (trous_elec1 first, trous_optique4 last); every
// cell is 0 until initialiser_positions_trous has run.
const positions_trous& table_positions_trous(int index);
// A table by its name ("trous_chimie13"); nullptr for a name no table has.
const positions_trous* table_positions_trous(const char* nom);

// Fills every table with its design values, then, on a screen of other than 15 twips per pixel
// (either axis), scales Left and Width by TwipsPerPixelX / 15 and Top by TwipsPerPixelY / 15,
// halves rounded to even. Each run starts from the design values.
void initialiser_positions_trous();
// Every cell back to 0, as before the first start-up (a fresh program).
void vider_positions_trous();

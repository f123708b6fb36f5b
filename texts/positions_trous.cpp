#include "texts/positions_trous.h"

#include "platform/ecran.h"
#include "platform/nombres.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
std::array<positions_trous, NOMBRE_TABLES_TROUS>& tables() {
    static std::array<positions_trous, NOMBRE_TABLES_TROUS> t = [] {
        std::array<positions_trous, NOMBRE_TABLES_TROUS> a;
        for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i) a[std::size_t(i)] = positions_trous(tables_trous[i].nombre_lignes);
        return a;
    }();
    return t;
}

// v × twips per pixel / 15: the cell taken as a single-precision value, the product and the
// quotient in double precision, rounded half to even and kept in 16 bits.
std::int16_t adapter(std::int16_t v, float twips_par_pixel) {
    const double r = nombres::arrondi_pair(double(float(v)) * double(twips_par_pixel) / 15.0);
    return std::int16_t(std::clamp(r, double(std::numeric_limits<std::int16_t>::min()),
                                   double(std::numeric_limits<std::int16_t>::max())));
}
}

const positions_trous& table_positions_trous(int index) { return tables().at(std::size_t(index)); }

const positions_trous* table_positions_trous(const char* nom) {
    for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i)
        if (std::strcmp(tables_trous[i].nom, nom) == 0) return &tables()[std::size_t(i)];
    return nullptr;
}

void initialiser_positions_trous() {
    for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i) {
        positions_trous& t = tables()[std::size_t(i)];
        for (int l = 0; l <= t.UBound(); ++l) {
            const LigneTrou& d = tables_trous[i].lignes[l];
            t(l, 1) = d.Left;
            t(l, 2) = d.Top;
            t(l, 3) = d.Width;
        }
    }
    if (ecran::TwipsPerPixelX() == 15.0f && ecran::TwipsPerPixelY() == 15.0f) return;
    for (positions_trous& t : tables())
        for (int l = 0; l <= t.UBound(); ++l) {
            t(l, 1) = adapter(t(l, 1), ecran::TwipsPerPixelX());
            t(l, 2) = adapter(t(l, 2), ecran::TwipsPerPixelY());
            t(l, 3) = adapter(t(l, 3), ecran::TwipsPerPixelX());
        }
}

void vider_positions_trous() {
    for (positions_trous& t : tables())
        for (int l = 0; l <= t.UBound(); ++l)
            for (int c = 1; c <= 3; ++c) t(l, c) = 0;
}

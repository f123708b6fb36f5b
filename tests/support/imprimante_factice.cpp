#include "tests/support/imprimante_factice.h"

ImprimanteFactice::ImprimanteFactice(const QStringList& liste) : noms(liste) {
    Printer().reinitialiser();
    installer_pilote_impression(this);
}

ImprimanteFactice::~ImprimanteFactice() {
    installer_pilote_impression(nullptr);
    Printer().reinitialiser();
}

bool ImprimanteFactice::accepte_papier(const QString& imprimante, int papier) const {
    int id = 0;
    return noms.contains(imprimante) && taille_papier(papier, id) && !papiers_refuses.value(imprimante).contains(papier);
}

bool ImprimanteFactice::imprimer(const ReglagesImpression& reglages, const PageImprimee& page) {
    if (echouer || !noms.contains(reglages.imprimante)) return false;
    travaux.append({reglages, page});
    if (!sortie_pdf.isEmpty()) return imprimer_dans_pdf(sortie_pdf, reglages, page);
    return true;
}

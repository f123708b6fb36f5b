#pragma once

#include "platform/imprimante.h"

#include <QMap>
#include <QSet>

// A printer driver for the tests: a given list of installed printers, papers a printer refuses,
// and every job recorded with its settings and its page. When sortie_pdf is set, each job also
// goes through QPrinter into that PDF file, as a real device would get it.
class ImprimanteFactice : public PiloteImpression {
public:
    explicit ImprimanteFactice(const QStringList& noms = {QStringLiteral("Laser du CDI"),
                                                          QStringLiteral("Jet d'encre salle 12")});
    ~ImprimanteFactice() override;

    QStringList noms;
    QString par_defaut;
    QMap<QString, QSet<int>> papiers_refuses;
    bool echouer = false;  // the next jobs fail
    QString sortie_pdf;

    struct Travail {
        ReglagesImpression reglages;
        PageImprimee page;
    };
    QList<Travail> travaux;

    QStringList imprimantes() const override { return noms; }
    QString imprimante_par_defaut() const override { return par_defaut; }
    bool accepte_papier(const QString& imprimante, int papier) const override;
    bool imprimer(const ReglagesImpression& reglages, const PageImprimee& page) override;
};

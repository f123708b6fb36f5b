#include "tests/support/fixture.h"

#include "frame/adaptation.h"
#include "modules.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/registre_activites.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/document.h"
#include "platform/imprimante.h"
#include "platform/messages.h"
#include "platform/polices.h"

#include <QApplication>
#include <QLocale>

MessagesScriptes::MessagesScriptes() {
    installer_crochet_messages([this](const QString& texte, int style, const QString& titre) {
        montrees_.append(titre + "|" + texte + "|" + QString::number(style));
        if (attendues_.isEmpty()) {
            erreurs_.append("unexpected box: " + texte);
            return 1;
        }
        const Attendue a = attendues_.takeFirst();
        if (a.texte != texte) erreurs_.append("box '" + texte + "' came where '" + a.texte + "' was expected");
        if (a.style >= 0 && a.style != style)
            erreurs_.append(QStringLiteral("box '%1' has style %2, expected %3").arg(texte).arg(style).arg(a.style));
        if (!a.titre.isEmpty() && a.titre != titre)
            erreurs_.append("box '" + texte + "' has title '" + titre + "', expected '" + a.titre + "'");
        return a.reponse;
    });
}

MessagesScriptes::~MessagesScriptes() { installer_crochet_messages({}); }

void MessagesScriptes::attendre(const QString& texte, int reponse, int style, const QString& titre) {
    attendues_.append({texte, reponse, style, titre});
}

QString MessagesScriptes::bilan() const {
    QStringList tout = erreurs_;
    for (const Attendue& a : attendues_) tout.append("expected box never came: " + a.texte);
    return tout.join("; ");
}

void MessagesScriptes::oublier() {
    attendues_.clear();
    erreurs_.clear();
    montrees_.clear();
}

EnregistrerSousScripte::EnregistrerSousScripte() {
    installer_crochet_enregistrer_sous([this](const QString& filtre, const QString& titre) {
        ++appels;
        dernier_filtre = filtre;
        dernier_titre = titre;
        return reponses_.isEmpty() ? QString() : reponses_.takeFirst();
    });
}

EnregistrerSousScripte::~EnregistrerSousScripte() { installer_crochet_enregistrer_sous({}); }

void reinitialiser_programme() {
    Fenetre::tout_detruire();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    aide::fermer();
    reinitialiser_application_terminee();
    vider_registre_activites();
    enregistrer_modules();
    reinitialiser_etat_partage();
    Printer().reinitialiser();
    traitement_texte::Word().tout_fermer();
    ecran::fixer_twips_par_pixel(0, 0);
    remettre_compteur_adaptations();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    aide::installer_touche_f1();
    installer_polices();
    QApplication::setQuitOnLastWindowClosed(false);
}

Form1* demarrer_programme() { return Fenetre::obtenir<Form1>(); }

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

QString capture_pour_examen(QWidget* fenetre, const QString& nom) {
    const QString dossier = qEnvironmentVariable("VANTAREL_CAPTURES");
    if (dossier.isEmpty()) return QString();
    QDir().mkpath(dossier);
    fenetre->adjustSize();
    QImage image(fenetre->size(), QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter p(&image);
    fenetre->render(&p);
    p.end();
    const QString fichier = dossier + "/" + nom + ".png";
    image.save(fichier);
    return fichier;
}

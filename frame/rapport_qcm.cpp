#include "frame/etat.h"
#include "frame/rapport_cadre.h"
#include "frame/rapport_word.h"
#include "frame/result_eval.h"
#include "platform/controles.h"
#include "platform/messages.h"
#include "platform/temporisation.h"
#include "quiz/etat_qcm.h"
#include "quiz/fenetre_qcm.h"

#include <QPointer>

using namespace traitement_texte;

namespace {
// The mark of the sheet just ended, as the results window shows it: a window already loaded
// fills its labels again; reading the label of a window not loaded loads it hidden, which fills.
QString note_de_la_feuille() {
    Result_eval* r = Fenetre::si_chargee<Result_eval>();
    if (r)
        r->remplir();
    else
        r = Fenetre::obtenir<Result_eval>();
    return r->Label8->text();
}

void ecrire_entree(Document& document, const QString& texte, const FormatLigne& format) {
    document.Range().InsertAfter(texte);
    formater_paragraphe(document.dernier_paragraphe(), format);
    document.Range().InsertParagraphAfter();
}
}

void sauvegarder_QCM_word() {
    QPointer<fenetre_QCM> fenetre = Fenetre::obtenir<fenetre_QCM>();
    fenetre->MousePointer(11);
    try {
        definir_largeur(fenetre->themes_electricite, 0);
        definir_largeur(fenetre->Themes_chimie, 0);
        temporisation(10);

        Application& word = Word();
        DocumentsRapport documents(word);
        Document& document = documents.rapport();

        ecrire_identite(document, 1);
        for (int i = 1; i <= nb_reponses_QCM; ++i) {
            ecrire_entree(document, QStringLiteral("Question n°") + QString::number(i), lignes_rapport::titre_question);
            ecrire_entree(document, questions_posees[i], lignes_rapport::question);
            ecrire_entree(document, QStringLiteral("Réponse à la question:  ") + corrections[i],
                          lignes_rapport::reponse_juste);
            ecrire_entree(document, QStringLiteral("Réponse de l'élève:  ") + reponses_eleve[i],
                          lignes_rapport::reponse_eleve);
            document.Range().InsertParagraphAfter();
        }
        document.Range().InsertAfter(QStringLiteral("NOTE INDICATIVE:  ") + note_de_la_feuille());
        formater_paragraphe(document.dernier_paragraphe(), lignes_rapport::note);

        ecrire_entete(word, QStringLiteral("VANTAREL - Classe de 5éme - Questions à choix multiples"));
        documents.enregistrer_et_fermer(nom_fichier_rapport(chemin_QCM, QStringLiteral("evaluation_QCM_")), true);
    } catch (const std::exception& erreur) {
        MsgBox(message_echec_rapport(
                   QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé"),
                   erreur),
               vb::vbInformation);
    }
    // The pause lets events run: the window may have been closed meanwhile.
    if (fenetre && fenetre->vivante()) fenetre->MousePointer(0);
}

#include "frame/rapport_images.h"

#include "frame/etat.h"
#include "frame/fenetre_activite.h"
#include "frame/rapport_cadre.h"
#include "platform/capture.h"
#include "platform/document.h"
#include "platform/ecriture_sure.h"
#include "platform/messages.h"

#include <QFile>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>

using namespace traitement_texte;

namespace {
// The temporary picture, as a BMP file: a plain write, since the file is read back at once and
// removed (its folder with it).
void ecrire_image_temporaire(const QImage& image, const QString& fichier) {
    const QByteArray bmp = en_bmp(image);
    QString raison = raison_bmp_impossible;
    if (bmp.isEmpty() || !ecriture_sure::ecrire_simplement(fichier, bmp, &raison))
        throw Erreur(QStringLiteral("l'image temporaire ne peut pas être écrite (") + raison + QLatin1Char(')'));
}

// The body: each picture through the temporary file, inserted at the cursor, a paragraph mark
// typed after it and the cursor taken one line up, last picture first.
void inserer_images(Application& word, Document& document, const ListeImages& images, BoitePicture* tampon) {
    QTemporaryDir dossier;
    if (!dossier.isValid()) throw Erreur(QStringLiteral("le dossier temporaire ne peut pas être créé"));
    const QString fichier = dossier.filePath(QStringLiteral("TEMP.BMP"));
    for (int i = images.Count(); i >= 1; --i) {
        {
            QPainter p(&tampon->Image());
            p.drawImage(0, 0, images.image(i));
        }
        tampon->update();
        ecrire_image_temporaire(tampon->Image(), fichier);
        try {
            document.AddPicture(fichier);
        } catch (...) {
            QFile::remove(fichier);
            throw;
        }
        word.selection().TypeParagraph();
        word.selection().MoveUp(wdLine, 1);
        QFile::remove(fichier);
    }
    word.selection().ParagraphFormat().Alignment(wdAlignParagraphRight);
}
}

QString sauvegarder_images_word(FenetreActivite* fenetre, const QList<BoitePicture*>& panneaux,
                                const std::function<ListeImages()>& images, BoitePicture* tampon,
                                const QString& dossier, const ModeleRapportImages& modele) {
    QPointer<FenetreActivite> f(fenetre);
    f->MousePointer(11);
    QString fichier;
    try {
        for (BoitePicture* p : panneaux) definir_largeur(p, 0);
        // The window repaints without its panels. Closed meanwhile, it has nothing more to
        // report: the report ends there, without a file or a message.
        if (!f->pause(10)) return QString();
        const ListeImages a_inserer = images();

        Application& word = Word();
        DocumentsRapport documents(word);
        Document& document = documents.rapport();
        document.Range().InsertParagraphAfter();
        ecrire_identite(document, 2);
        inserer_images(word, document, a_inserer, tampon);
        ecrire_entete(word, modele.entete);
        fichier = documents.enregistrer_et_fermer(nom_fichier_rapport(dossier, modele.prefixe),
                                                  modele.fermer_document_propre);
    } catch (const std::exception& erreur) {
        MsgBox(message_echec_rapport(modele.message_echec, erreur), vb::vbInformation);
    }
    if (f && f->vivante()) f->MousePointer(0);
    if (!fichier.isEmpty() && modele.annoncer_fichier)
        reponse_message = std::int16_t(
            MsgBoxFichier(QStringLiteral("Feuille sauvegardée dans le fichier: "), fichier, QString(), vb::vbInformation));
    return fichier;
}

QString sauvegarder_schema_word(FenetreActivite* fenetre, BoitePicture* panneau, const ListeImages& instantanes,
                                BoitePicture* tampon, const QString& dossier) {
    const ModeleRapportImages schema{
        QStringLiteral("evaluation_schema_"), QStringLiteral("VANTAREL - Evaluation schématisation"),
        QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé"), true,
        false};
    // The list belongs to the window: it is read only when the window outlived the pause.
    return sauvegarder_images_word(fenetre, {panneau}, [&instantanes] { return instantanes; }, tampon, dossier,
                                   schema);
}

#include "platform/dialogues.h"

#include "platform/attente.h"
#include "platform/capture.h"
#include "platform/ecriture_sure.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTranslator>
#include <QTreeView>
#include <QWidget>

namespace {
CrochetEnregistrerSous crochet_enregistrer;

// "Images (*.bmp)|*.bmp" -> "Images (*.bmp)" for Qt's dialog.
QString filtre_qt(const QString& filtre) {
    const QStringList parties = filtre.split('|');
    QStringList filtres;
    for (int i = 0; i + 1 < parties.size(); i += 2) filtres << parties[i];
    return filtres.join(";;");
}

// "*.bmp" -> "bmp".
QString suffixe(const QString& extension_defaut) {
    QString s = extension_defaut;
    s.remove('*');
    while (s.startsWith('.')) s.remove(0, 1);
    return s;
}

// The French of Qt's file dialog where Qt's catalogue has none ("Folder" in the type column) or
// lacks the full stop after the question's first sentence.
class TextesDialogueFichiers : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contexte, const char* source, const char*, int) const override {
        struct Texte {
            const char* contexte;
            const char* source;
            const char* francais;
        };
        static const Texte textes[] = {
            {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "Le fichier %1 existe déjà.\nVoulez-vous l'écraser ?"},
            {"QAbstractFileIconProvider", "Folder", "Dossier"},
            {"QAbstractFileIconProvider", "Drive", "Lecteur"},
            {"QAbstractFileIconProvider", "Unknown", "Inconnu"},
        };
        for (const Texte& t : textes)
            if (qstrcmp(contexte, t.contexte) == 0 && qstrcmp(source, t.source) == 0) return QString::fromUtf8(t.francais);
        return QString();
    }
};

void installer_textes_dialogue_fichiers() {
    static const bool installes = QCoreApplication::installTranslator(new TextesDialogueFichiers(qApp));
    Q_UNUSED(installes);
}

// The sizes in the program's French ("1,10 Mio"), whatever the system's numbers: Qt's model writes
// them in the system's (a folder has none).
class TaillesEnFrancais : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const QVariant valeur = QIdentityProxyModel::data(index, role);
        const auto* modele = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() != 1 || !modele || valeur.toString().isEmpty()) return valeur;
        return QLocale().formattedDataSize(modele->size(mapToSource(index)));
    }
};

// Qt's dialog adds its default suffix only to a name without any; a name with another
// extension gets it here, before the dialog checks whether that file exists.
class DialogueEnregistrerSous : public QFileDialog {
public:
    DialogueEnregistrerSous(QWidget* parent, const QString& titre, const QString& filtre, const QString& extension)
        : QFileDialog(parent, titre, QString(), filtre), extension_(extension) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        // Qt's own dialog, the same everywhere, so that the name check above always runs.
        setOption(QFileDialog::DontUseNativeDialog);
        setDefaultSuffix(suffixe(extension));
        // Names only, which nothing cuts. The detail view, when chosen, fits its columns to what
        // they show when it appears and when a folder's contents are in; the user may then widen
        // or narrow them.
        setViewMode(QFileDialog::List);
        details_ = findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!details_) return;
        details_->installEventFilter(this);
        if (auto* modele = qobject_cast<QFileSystemModel*>(details_->model()))
            connect(modele, &QFileSystemModel::directoryLoaded, this, &DialogueEnregistrerSous::ajuster_colonnes);
        setProxyModel(new TaillesEnFrancais(this));
        // Qt's dialog keeps them fitted to their contents, which forbids resizing them.
        details_->header()->setSectionResizeMode(QHeaderView::Interactive);
    }

    bool eventFilter(QObject* objet, QEvent* e) override {
        if (objet == details_ && e->type() == QEvent::Show) ajuster_colonnes();
        return QFileDialog::eventFilter(objet, e);
    }

    void accept() override {
        const QStringList choisis = selectedFiles();
        if (choisis.size() == 1 && !QFileInfo(choisis.first()).isDir()) {
            const QString nom = avec_extension(choisis.first(), extension_);
            if (nom != choisis.first()) {
                // The dialog leaves the name box alone while it has the focus.
                QWidget* focus = focusWidget();
                if (focus) focus->clearFocus();
                selectFile(nom);
                if (focus) focus->setFocus();
            }
        }
        QFileDialog::accept();
    }

private:
    void ajuster_colonnes() {
        for (int colonne = 0; colonne < details_->header()->count(); ++colonne) details_->resizeColumnToContents(colonne);
    }

    QString extension_;
    QTreeView* details_ = nullptr;
};
}

QString avec_extension(const QString& fichier, const QString& extension_defaut) {
    const QString s = suffixe(extension_defaut);
    if (fichier.isEmpty() || s.isEmpty()) return fichier;
    if (QFileInfo(fichier).suffix().compare(s, Qt::CaseInsensitive) == 0) return fichier;
    return fichier + QLatin1Char('.') + s;
}

void installer_dialogues_sans_memoire() {
    // Below the null device no folder can be made: a settings file there is never found, and
    // writing it fails before anything is created.
    const QString nulle_part = QProcess::nullDevice();
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope portee : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, portee, nulle_part);
}

void installer_crochet_enregistrer_sous(CrochetEnregistrerSous crochet) { crochet_enregistrer = std::move(crochet); }

QString dialogue_enregistrer_sous(QWidget* parent, const QString& filtre, const QString& titre,
                                  const QString& extension_defaut) {
    if (crochet_enregistrer) return avec_extension(crochet_enregistrer(filtre, titre), extension_defaut);
    installer_textes_dialogue_fichiers();
    DialogueEnregistrerSous dialogue(parent, titre, filtre_qt(filtre), extension_defaut);
    const AttenteEvenements attente;
    if (dialogue.exec() != QDialog::Accepted) return QString();
    const QStringList choisis = dialogue.selectedFiles();
    return choisis.isEmpty() ? QString() : choisis.first();
}

bool enregistrer_image_sous(QWidget* parent, const QImage& image, const QString& titre) {
    const QString fichier =
        dialogue_enregistrer_sous(parent, QStringLiteral("Images (*.bmp)|*.bmp"), titre, QStringLiteral("*.bmp"));
    if (fichier.isEmpty()) return false;
    QString raison;
    if (enregistrer_bmp(image, fichier, &raison)) return true;
    MsgBox(ecriture_sure::message_avec_cause(QStringLiteral("Enregistrement de l'image impossible"), raison),
           vb::vbExclamation, titre_application);
    return false;
}

#include "frame/facteur_impression.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "frame/etat.h"
#include "platform/images.h"
#include "platform/imprimante.h"
#include "platform/messages.h"
#include "platform/nombres.h"

#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>

namespace {
int compteur_choix = 0;
int choix_valide = 0;

QComboBox* liste_modifiable(QWidget* parent, double g, double h, double l, double ht) {
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    // Enter in the box keeps the typed text as the box's text, never as a new item.
    c->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: no completion from the items.
    c->setCompleter(nullptr);
    // A narrow face, so that "Standard" fits the designed width.
    police(c, "Arial", 8.25);
    placer(c, g, h, l, ht);
    return c;
}

// Empties a list box, sets its text, then adds its items (the order of the load's steps).
void remplir(QComboBox* c, const QString& texte, const QStringList& elements) {
    c->clear();
    c->addItems(elements);
    const int i = c->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    c->setCurrentIndex(i);
    c->setEditText(texte);
    // A narrow box shows the start of its text.
    c->lineEdit()->setCursorPosition(0);
}
}

int Facteur_impression::dernier_choix_valide() { return choix_valide; }

Facteur_impression::Facteur_impression() : Fenetre(5235, 5700, Qt::Window) {
    setWindowTitle(QStringLiteral("Impression"));
    HelpContextID = aide::sujet_impression;
    // An ordinary frame: it can be resized; the designed area stays at the top left.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    layout()->setAlignment(client(), Qt::AlignLeft | Qt::AlignTop);
    image_de_fond(image_integree(":/assets/facteur_impression/fond.svg", QSize(349, 380)));
    QWidget* c = client();

    auto etiquette = [c](const QString& texte, double g, double h, double l, double ht) {
        auto* e = new Etiquette(c, texte);
        placer(e, g, h, l, ht);
        police(e, "MS Sans Serif", 8.25, true);
        e->transparente(true);
        return e;
    };
    Label3 = etiquette(QStringLiteral("Imprimante:"), 645, 345, 1710, 255);
    nom_imprimante = liste_modifiable(c, 2520, 330, 2430, 315);
    Label4 = etiquette(QStringLiteral("Mode d'impression"), 660, 720, 1500, 420);
    Mode_impression = liste_modifiable(c, 2505, 780, 1380, 315);
    Label5 = etiquette(QStringLiteral("Qualité d'impression"), 675, 1230, 1440, 375);
    Qualite_impression = liste_modifiable(c, 2505, 1290, 1035, 315);
    Label2 = etiquette(QStringLiteral("Nombre de copies:"), 690, 1785, 1530, 390);
    Nb_copies = new ZoneTexte(c, QStringLiteral("1"));
    placer(Nb_copies, 2505, 1845, 585, 315);
    police(Nb_copies, "MS Sans Serif", 8.25);
    Label6 = etiquette(QStringLiteral("Orientation de la page:"), 675, 2340, 1710, 390);
    orientation = liste_modifiable(c, 2505, 2370, 1035, 315);
    Label7 = etiquette(QStringLiteral("Taille de la page:"), 675, 2940, 2010, 255);
    taille_page = liste_modifiable(c, 2505, 2910, 1035, 315);
    Label1 = etiquette(QStringLiteral("Echelle d'impression:"), 690, 3465, 2055, 255);

    auto option = [c](const QString& texte, double g, double h, double l, double ht) {
        auto* o = new BoutonOption(c, texte);
        placer(o, g, h, l, ht);
        police(o, "MS Sans Serif", 8.25);
        o->setAutoFillBackground(false);
        return o;
    };
    reduit = option(QStringLiteral("Réduit (/2)"), 2595, 3480, 1320, 255);
    normal = option(QStringLiteral("Normal (x1)"), 2595, 3825, 1515, 210);
    agrandit = option(QStringLiteral("Agrandit (x2)"), 2595, 4125, 1665, 255);
    personnalise = option(QStringLiteral("Personnalisé : x"), 2595, 4425, 1635, 315);
    normal->Value(true);
    Text1 = new ZoneTexte(c, QStringLiteral("1"));
    placer(Text1, 4230, 4440, 540, 285);
    police(Text1, "MS Sans Serif", 8.25);
    Text1->setEnabled(false);

    Command2 = new BoutonCommande(c, QStringLiteral("Valider"));
    placer(Command2, 2085, 4965, 1335, 315);
    police(Command2, "MS Sans Serif", 8.25);
    Command2->setIcon(QIcon(QPixmap::fromImage(image_integree(":/assets/qcm/valider.svg", QSize(14, 14)))));

    const double hauts[7] = {345, 720, 1230, 1785, 2340, 2940, 3465};
    for (int i = 0; i < 7; ++i) {
        Image[i] = new BoitePicture(c);
        placer(Image[i], 105, hauts[i] - 60, 360, 360);
        couleur_fond(Image[i], 0xFBF3EE);
        Image[i]->definir_image(
            image_integree(QStringLiteral(":/assets/facteur_impression/%1.svg").arg(i + 1), QSize(24, 24)));
    }

    connect(nom_imprimante, &QComboBox::currentTextChanged, this, &Facteur_impression::nom_imprimante_Change);
    connect(Command2, &QPushButton::clicked, this, &Facteur_impression::Command2_Click);
}

void Facteur_impression::Form_Load() {
    regle_15_twips(*this);
    numero_choix_ = ++compteur_choix;
    impression_validee = false;

    const QStringList imprimantes = Printers();
    {
        const QSignalBlocker bloque(nom_imprimante);
        remplir(nom_imprimante, imprimantes.value(0), imprimantes);
    }
    index_imprimante = 0;

    remplir(Mode_impression, QStringLiteral("Couleur"), {QStringLiteral("Couleur"), QStringLiteral("Monochrome")});
    remplir(Qualite_impression, QStringLiteral("Standard"),
            {QStringLiteral("Brouillon"), QStringLiteral("Standard"), QStringLiteral("Haute")});
    remplir(orientation, QStringLiteral("Portrait"), {QStringLiteral("Portrait"), QStringLiteral("Paysage")});
    remplir(taille_page, QStringLiteral("A4"),
            {QStringLiteral("A4"), QStringLiteral("A3"), QStringLiteral("A2"), QStringLiteral("A1"),
             QStringLiteral("A0"), QStringLiteral("A5"), QStringLiteral("B5")});

    Nb_copies->setText(QStringLiteral("1"));
    normal->Value(true);
    Text1->setEnabled(false);
    Text1->setText(QStringLiteral("1"));
}

void Facteur_impression::nom_imprimante_Change() {
    index_imprimante = std::int16_t(
        nom_imprimante->findText(nom_imprimante->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void Facteur_impression::Command2_Click() {
    using namespace impression_systeme;
    Imprimante& imprimante = Printer();

    // The printer: one of those installed, by its position in the list.
    const QStringList installees = Printers();
    if (installees.isEmpty()) {
        MsgBox(QStringLiteral("Aucune imprimante n'est installée"));
        return;
    }
    if (index_imprimante < 0 || index_imprimante >= installees.size() ||
        !imprimante.choisir(installees.at(index_imprimante))) {
        MsgBox(QStringLiteral("Imprimante incorrecte"));
        return;
    }

    imprimante.ColorMode(Mode_impression->currentText() == QLatin1String("Couleur") ? couleur_couleur
                                                                                     : couleur_monochrome);

    const QString qualite = Qualite_impression->currentText();
    if (qualite == QLatin1String("Standard"))
        imprimante.PrintQuality(qualite_basse);
    else if (qualite == QLatin1String("Haute"))
        imprimante.PrintQuality(qualite_haute);
    else if (qualite == QLatin1String("Brouillon"))
        imprimante.PrintQuality(qualite_brouillon);

    const double copies = nombres::arrondi_pair(nombres::Val(Nb_copies->text()));
    if (!(copies >= 1 && copies <= copies_maximum) || !imprimante.Copies(int(copies))) {
        MsgBox(QStringLiteral("Nombre de copies incorrect"));
        return;
    }

    const QString sens = orientation->currentText();
    if (sens == QLatin1String("Portrait"))
        imprimante.Orientation(orientation_portrait);
    else if (sens == QLatin1String("Paysage"))
        imprimante.Orientation(orientation_paysage);

    // From here every failure is a paper size that cannot be had.
    const QString taille = taille_page->currentText();
    int papier = -1;
    if (taille == QLatin1String("A4"))
        papier = papier_A4;
    else if (taille == QLatin1String("A3"))
        papier = papier_A3;
    else if (taille == QLatin1String("A5"))
        papier = papier_A5;
    else if (taille == QLatin1String("B5"))
        papier = papier_B5;
    else if (taille == QLatin1String("A2") || taille == QLatin1String("A1") || taille == QLatin1String("A0"))
        papier = 0;  // no paper code
    if (papier >= 0 && !imprimante.PaperSize(papier)) {
        MsgBox(QStringLiteral("Taille de papier incorrecte"));
        return;
    }

    if (reduit->isChecked())
        facteur_echelle = 0.5f;
    else if (normal->isChecked())
        facteur_echelle = 1.0f;
    else if (agrandit->isChecked())
        facteur_echelle = 2.0f;
    else if (personnalise->isChecked())
        facteur_echelle = float(nombres::Val(Text1->text()));

    impression_validee = true;
    choix_valide = numero_choix_;
    Unload();
}

bool attendre_reglages_impression() {
    QPointer<Facteur_impression> dialogue = Fenetre::obtenir<Facteur_impression>();
    const int choix = dialogue->numero_choix();
    dialogue->Show();
    // Waits without spinning: each event that comes is handled, then the state is looked at.
    while (!impression_validee) {
        // The dialog closed, or the program ending, abandons the print.
        if (!dialogue || !dialogue->vivante() || Fenetre::fin_du_programme()) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return impression_validee && Facteur_impression::dernier_choix_valide() == choix;
}

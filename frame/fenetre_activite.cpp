#include "frame/fenetre_activite.h"

#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/identification.h"
#include "frame/impression.h"
#include "platform/capture.h"
#include "platform/dialogues.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "platform/temporisation.h"

#include <QAction>
#include <QGridLayout>
#include <QPointer>
#include <QToolButton>

BandeauIdentite creer_bandeau_identite(QWidget* parent, double gauche, double haut, double largeur,
                                       double gauche_boites, double gauche_boites_droite) {
    auto* cadre = new CadreGroupe(parent);
    placer(cadre, gauche, haut, largeur, 855);
    cadre->fond(0xFFFFFF);
    auto boite = [cadre](const QString& texte, double g, double h, double l) {
        auto* z = new ZoneTexte(cadre, texte);
        placer(z, g, h, l, 325);
        z->setReadOnly(true);
        couleur_fond(z, 0xFFFFC0);
        return z;
    };
    return {cadre, boite(QStringLiteral("Nom:"), gauche_boites, 120, 1935),
            boite(QStringLiteral("Prénom:"), gauche_boites, 480, 1935),
            boite(QStringLiteral("Classe:"), gauche_boites_droite, 120, 1575),
            boite(QStringLiteral("Date:"), gauche_boites_droite, 480, 1575)};
}

// --- the tool bar

BarreOutils::BarreOutils(QWidget* parent, int colonnes, QSize taille_bouton, QSize taille_image)
    : QWidget(parent), colonnes_(colonnes), taille_bouton_(taille_bouton), taille_image_(taille_image) {
    grille_ = new QGridLayout(this);
    grille_->setContentsMargins(0, 0, 0, 0);
    grille_->setSpacing(0);
    grille_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QAction* BarreOutils::ajouter(const QString& cle, const QString& infobulle, const QImage& image) {
    auto* a = new QAction(QIcon(QPixmap::fromImage(image)), infobulle, this);
    a->setToolTip(infobulle);
    a->setObjectName(cle);
    addAction(a);
    auto* b = new QToolButton(this);
    b->setDefaultAction(a);
    b->setAutoRaise(true);
    b->setIconSize(taille_image_);
    b->setFixedSize(taille_bouton_);
    b->setFocusPolicy(Qt::NoFocus);
    const int n = grille_->count();
    grille_->addWidget(b, n / colonnes_, n % colonnes_);
    connect(a, &QAction::triggered, this, [this, cle] { emit bouton_clique(cle); });
    return a;
}

void BarreOutils::ajouter_separateur(int largeur) {
    auto* s = new QWidget(this);
    s->setFixedSize(largeur, taille_bouton_.height());
    const int n = grille_->count();
    grille_->addWidget(s, n / colonnes_, n % colonnes_);
}

// --- the window

FenetreActivite::FenetreActivite(double largeur_twips, double hauteur_twips)
    : Fenetre(largeur_twips, hauteur_twips,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                  Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(titre_application);
    copie_savoir = new BoitePicture(client());
    copie_savoir->hide();
}

void FenetreActivite::creer_banniere(const DefinitionBanniere& b) {
    Picture7 = new BoitePicture(client());
    placer(Picture7, b.place.x(), b.place.y(), b.place.width(), b.place.height());
    Picture7->definir_image(image_integree(b.image, b.taille_image));
    Picture7->setFocusPolicy(Qt::StrongFocus);
    Evaluations = new Etiquette(Picture7, QStringLiteral("Evaluations"));
    const QRectF& e = b.place_evaluations;
    placer(Evaluations, e.x(), e.y(), e.width(), e.height());
    couleur_texte(Evaluations, 0xFFC0FF);
    police(Evaluations, "Arial", 9.75, true);
    Evaluations->transparente(true);
    Label6 = new Etiquette(Picture7, b.titre);
    const QRectF& t = b.place_titre;
    placer(Label6, t.x(), t.y(), t.width(), t.height());
    couleur_texte(Label6, 0xFFFF);
    police(Label6, "Arial", 15.75, true);
    Label6->transparente(true);
}

std::pair<CadreGroupe*, Etiquette*> FenetreActivite::creer_identite_et_titre(double gauche, double haut,
                                                                             double largeur, double gauche_boites,
                                                                             double gauche_boites_droite,
                                                                             const QRectF& place_titre) {
    const BandeauIdentite bandeau =
        creer_bandeau_identite(Savoir, gauche, haut, largeur, gauche_boites, gauche_boites_droite);
    Nom = bandeau.nom;
    Prenom = bandeau.prenom;
    Classe = bandeau.classe;
    Temps = bandeau.date;
    auto* titre = new Etiquette(bandeau.cadre, QStringLiteral("Titre"));
    placer(titre, place_titre.x(), place_titre.y(), place_titre.width(), place_titre.height());
    couleur_texte(titre, 0xFF);
    couleur_fond(titre, 0xFFFFFF);
    titre->centree(true);
    police(titre, "Arial", 14.25);
    titre->hide();
    return {bandeau.cadre, titre};
}

void FenetreActivite::creer_barre(int colonnes, QSize taille_bouton, QSize taille_image) {
    Toolbar1 = new BarreOutils(this, colonnes, taille_bouton, taille_image);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    connect(Toolbar1, &BarreOutils::bouton_clique, this, &FenetreActivite::Toolbar1_ButtonClick);
}

void FenetreActivite::placer_barre_au_dessus() { ajouter_barre(Toolbar1); }

void FenetreActivite::placer_barre(double gauche, double haut, double largeur, double hauteur) {
    Toolbar1->setParent(client());
    placer(Toolbar1, gauche, haut, largeur, hauteur);
    Toolbar1->show();
}

void FenetreActivite::ajouter_bouton_barre(const QString& cle, const QString& infobulle, const QImage& image) {
    Toolbar1->ajouter(cle, infobulle, image);
}

void FenetreActivite::ajouter_boutons_barre_communs(QSize taille_image) {
    struct BoutonBarre {
        const char* cle;
        const char* infobulle;
        int image;
    };
    const BoutonBarre boutons[4] = {{"Enregistrer_sous", "Enregistrer sous ...", 1},
                                    {"Imprimer", "Imprimer", 2},
                                    {"Quitter", "Quitter", 7},
                                    {"Identification", "Identification", 10}};
    for (const BoutonBarre& b : boutons)
        ajouter_bouton_barre(QString::fromUtf8(b.cle), QString::fromUtf8(b.infobulle),
                             image_integree(QStringLiteral(":/assets/qcm/barre/%1.svg").arg(b.image), taille_image));
}

void FenetreActivite::afficher_titre(Etiquette* titre, const QString& texte, int facteur) {
    titre->show();
    QFont f = titre->font();
    f.setPointSizeF(double(float(ecran::TwipsPerPixelX() * float(facteur)) / 15.0f));
    titre->setFont(f);
    titre->setText(texte);
}

void FenetreActivite::afficher_identite() {
    Nom->setText(nom_eleve);
    Prenom->setText(prenom_eleve);
    Classe->setText(classe_eleve);
    Temps->setText(date_evaluation);
}

void FenetreActivite::Form_Load() {
    regle_15_twips(*this);
    afficher_identite();
    for (const Onglet& o : onglets_) definir_largeur(o.panneau, 0);
    charger_activite();
}

void FenetreActivite::Form_Unload(bool& annuler) {
    if (MsgBox(question_quitter_, vb::vbYesNo, titre_application) != vb::vbYes) {
        annuler = true;
        return;
    }
    // A print of this window waiting on its settings dialog has nothing left to print.
    if (impression_en_attente_) Fenetre::decharger<Facteur_impression>();
    // Its identification dialog, open while it waits disabled, closes with it.
    for (Fenetre* f : Fenetre::fenetres_chargees())
        if (auto* d = qobject_cast<IdentificationActivite*>(f); d && d->cible_chargee() == this) d->Unload();
    if (!adaptation_en_cours) Fenetre::obtenir<Form1>()->Show();
}

void FenetreActivite::Toolbar1_ButtonClick(const QString& cle) {
    if (cle == QLatin1String("Enregistrer_sous")) {
        enregistrer_sous_bmp();
    } else if (cle == QLatin1String("Imprimer")) {
        QPointer<FenetreActivite> moi(this);
        impression_en_attente_ = true;
        imprimer_fenetre_activite(this, marge_hauteur_);
        if (moi) impression_en_attente_ = false;
    } else if (cle == QLatin1String("Quitter")) {
        Unload();
    } else if (cle == cle_identification_) {
        setEnabled(false);
        montrer_identification();
    }
}

// --- BMP save

void FenetreActivite::capturer_aire(BoitePicture* tampon) {
    const QSize taille(Savoir->width() + 60, Savoir->height() + marge_hauteur_);
    tampon->resize(taille);
    tampon->Image() = capturer_zone(client(), taille);
}

void FenetreActivite::enregistrer_sous_bmp() {
    Picture7->setFocus();
    BoitePicture* tampon = tampon_capture();
    capturer_aire(tampon);
    capture_prise(tampon);
    enregistrer_image_sous(this, tampon->Image(), QStringLiteral("Enregistrez sous..."));
}

// --- sliding panels

int FenetreActivite::ajouter_onglet(const DefinitionOnglet& d) {
    QWidget* c = client();
    auto* p = new BoitePicture(c);
    const QRectF& rp = d.place_panneau;
    placer(p, rp.x(), rp.y(), rp.width(), rp.height());
    couleur_fond(p, d.fond);
    auto* bande = new BoitePicture(p);
    placer(bande, 0, 0, 300, rp.height());
    bande->definir_image(image_integree(d.bande, QSize(20, int(rp.height() / 15))));
    auto* b = new BoitePicture(c);
    const QRectF& rb = d.place_bouton;
    placer(b, rb.x(), rb.y(), rb.width(), rb.height());
    couleur_fond(b, couleur_fond_de(c));
    b->setToolTip(d.infobulle);
    b->setCursor(Qt::PointingHandCursor);

    const int i = int(onglets_.size());
    onglets_.append({b, p, bande, d.images, d.largeur_ouverte, d.debut_ouverture, d.couleur_repos, {}});
    montrer_onglet(i, 1);
    connect(b, &BoitePicture::clic, this, [this, i] { basculer_panneau(i); });
    connect(p, &BoitePicture::mouvement, this, [this, i] { reposer_etiquettes(i); });
    return i;
}

Etiquette* FenetreActivite::ajouter_etiquette(int i, const QString& legende, double haut, double largeur) {
    Onglet& o = onglets_[i];
    auto* e = new Etiquette(o.panneau, legende);
    placer(e, 375, haut, largeur, 195);
    police(e, "Arial", 6.75);
    couleur_fond(e, couleur_fond_de(o.panneau));
    couleur_texte(e, o.couleur_repos);
    e->setCursor(Qt::PointingHandCursor);
    o.etiquettes.append(e);
    connect(e, &Etiquette::mouvement, this, [this, e] { survoler_etiquette(e); });
    return e;
}

void FenetreActivite::survoler_etiquette(Etiquette* etiquette) {
    for (const Onglet& o : onglets_) {
        if (!o.etiquettes.contains(etiquette)) continue;
        for (Etiquette* e : o.etiquettes) couleur_texte(e, e == etiquette ? 0xFF : o.couleur_repos);
    }
}

void FenetreActivite::reposer_etiquettes(int i) {
    for (Etiquette* e : onglets_.at(i).etiquettes) couleur_texte(e, onglets_.at(i).couleur_repos);
}

int FenetreActivite::image_onglet(const BoitePicture* bouton) const { return bouton->property("vb_onglet").toInt(); }

void FenetreActivite::montrer_onglet(int i, int image) {
    const Onglet& o = onglets_.at(i);
    o.bouton->definir_image(o.images.image(image));
    o.bouton->setProperty("vb_onglet", image);
}

bool FenetreActivite::pause(int ms) {
    QPointer<FenetreActivite> moi(this);
    temporisation(ms);
    return moi && moi->vivante();
}

bool FenetreActivite::glisser(int i, bool ouvrir) {
    // The bounds are read once: a slide nested in a pause runs to its own end, then this one
    // goes on from where it stopped.
    const int ouverte = onglets_.at(i).largeur_ouverte;
    const int debut = onglets_.at(i).debut_ouverture;
    if (ouvrir) {
        for (int w = debut; w <= ouverte; w += 8) {
            if (!pause(1)) return false;
            definir_largeur(onglets_.at(i).panneau, w);
        }
    } else {
        for (int w = ouverte; w >= 0; w -= 8) {
            if (!pause(1)) return false;
            definir_largeur(onglets_.at(i).panneau, w);
        }
    }
    montrer_onglet(i, ouvrir ? 2 : 1);
    return true;
}

bool FenetreActivite::basculer_panneau(int i) { return glisser(i, onglets_.at(i).panneau->width() <= 20); }

bool FenetreActivite::fermer_panneau(int i) { return glisser(i, false); }

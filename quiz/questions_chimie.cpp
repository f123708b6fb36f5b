#include "quiz/banques.h"

// The chemistry sheets. Each row: exercise, question, question text, choices 1 to 5 ("" when
// absent), number of the right choice, correction, picture number in the sheet's list ("" for none).

// Detecting water with anhydrous copper sulphate.
static const LigneSource lignes_chimie2[] = {
    {"1", "1", "Quelle est la couleur du sulfate de cuivre anhydre?", "bleue", "verte", "noire", "blanche", "", "4",
     "Le sulfate de cuivre anhydre est une poudre blanche", ""},
    {"1", "2", "Au contact de l'eau, le sulfate de cuivre anhydre devient:", "blanc", "rouge", "noir", "bleu",
     "incolore", "4", "Le sulfate de cuivre anhydre devient bleu au contact de l'eau", ""},
    {"1", "3", "Que signifie le mot ''anhydre''?", "qui ne contient pas d'eau", "qui contient beaucoup d'eau",
     "qui se dissout dans l'eau", "qui est de couleur bleue", "", "1", "Le mot ''anhydre'' signifie ''sans eau''", ""},
    {"1", "4",
     "On verse quelques gouttes d'un liquide sur du sulfate de cuivre anhydre: la poudre reste blanche. Que peut-on "
     "en conclure?",
     "Le liquide contient de l'eau", "Le liquide ne contient pas d'eau", "Le liquide est de l'eau pure", "", "", "2",
     "La poudre n'a pas bleui: le liquide ne contient pas d'eau", ""},
    {"1", "5", "Le test au sulfate de cuivre anhydre permet:", "de mesurer la masse d'eau d'un aliment",
     "de savoir si une eau est potable", "de déceler la présence d'eau", "de mesurer la température de l'eau",
     "de purifier l'eau", "3", "Ce test décèle la présence d'eau, sans en mesurer la quantité", ""},
    {"1", "6", "Lequel de ces liquides ne fait pas bleuir le sulfate de cuivre anhydre?", "le lait",
     "le jus d'orange", "le vinaigre", "l'eau salée", "l'huile de tournesol", "5",
     "L'huile ne contient pas d'eau: la poudre reste blanche", ""},
    {"2", "1",
     "Sur chaque coupelle, on a posé un aliment puis un peu de sulfate de cuivre anhydre. Quels aliments "
     "contiennent de l'eau?",
     "n°1 et n°3", "n°2 et n°4", "n°1 et n°2", "n°3 et n°4", "les quatre aliments", "2",
     "La poudre a bleui sur la pomme (n°2) et sur le lait (n°4)", "1"},
    {"3", "1",
     "Un liquide incolore fait bleuir le sulfate de cuivre anhydre. Peut-on affirmer que ce liquide est de l'eau "
     "pure?",
     "Oui", "Non", "", "", "", "2", "Le test montre seulement que le liquide contient de l'eau", ""},
};

// The three states of water and their properties.
static const LigneSource lignes_chimie3[] = {
    {"1", "1", "Sous quels états l'eau peut-elle se trouver dans la nature?", "liquide seulement",
     "solide et liquide seulement", "solide, liquide et gazeux", "liquide et gazeux seulement", "", "3",
     "L'eau existe à l'état solide (glace), liquide et gazeux (vapeur)", ""},
    {"1", "2", "Un solide peut être saisi entre les doigts. On dit:", "Qu'il a une forme propre",
     "Qu'il est constitué de matière", "Qu'il n'a pas de forme propre", "", "", "1",
     "Un solide possède une forme propre", ""},
    {"1", "3", "Un liquide:", "a une forme propre", "prend la forme du récipient", "se saisit entre les doigts",
     "occupe tout l'espace offert", "", "2", "Un liquide n'a pas de forme propre: il prend la forme du récipient",
     ""},
    {"1", "4",
     "Les quatre récipients contiennent de l'eau au repos. Dans lequel la surface libre de l'eau est-elle "
     "correctement dessinée?",
     "le récipient n°1", "le récipient n°2", "le récipient n°3", "le récipient n°4", "", "3",
     "La surface libre d'un liquide au repos est plane et horizontale", "1"},
    {"1", "5", "Un gaz:", "a une forme propre", "a une surface libre plane et horizontale",
     "peut être saisi entre les doigts", "occupe tout l'espace qui lui est offert", "", "4",
     "Un gaz n'a pas de forme propre: il occupe tout l'espace offert", ""},
    {"1", "6", "La glace est de l'eau à l'état:", "liquide", "gazeux", "solide", "", "", "3",
     "La glace est de l'eau à l'état solide: elle a une forme propre", ""},
    {"1", "7", "La vapeur d'eau:", "est un gaz invisible", "est la fumée blanche au-dessus d'une casserole",
     "est un liquide", "est de couleur bleue", "", "1",
     "La vapeur d'eau est invisible; la ''fumée'' blanche est faite de gouttelettes", ""},
    {"1", "8", "On verse 200 mL d'eau d'une bouteille dans un bol. Le volume de l'eau dans le bol est:",
     "plus grand que 200 mL", "égal à 200 mL", "plus petit que 200 mL", "", "", "2",
     "Un liquide change de forme, mais son volume ne change pas", ""},
};

// Melting, solidification, vaporisation, liquefaction.
static const LigneSource lignes_chimie5[] = {
    {"1", "1", "Comment s'appelle le changement d'état ( a )?", "la solidification", "la dissolution", "la fusion",
     "la vaporisation", "la liquéfaction", "3", "Le passage de l'état solide à l'état liquide est la fusion", "1"},
    {"1", "2", "Comment s'appelle le changement d'état ( b )?", "la liquéfaction", "la vaporisation", "la fusion",
     "la solidification", "", "2", "Le passage de l'état liquide à l'état gazeux est la vaporisation", "1"},
    {"1", "3", "Comment s'appelle le changement d'état ( c )?", "la vaporisation", "la solidification", "la fusion",
     "la liquéfaction", "", "4", "Le passage de l'état gazeux à l'état liquide est la liquéfaction", "1"},
    {"1", "4", "Comment s'appelle le changement d'état ( d )?", "la solidification", "la fusion", "la liquéfaction",
     "la vaporisation", "la dissolution", "1", "Le passage de l'état liquide à l'état solide est la solidification",
     "1"},
    {"2", "1",
     "Une canette fermée sort du réfrigérateur. Des gouttelettes d'eau apparaissent sur sa paroi. D'où vient cette "
     "eau?",
     "de la boisson, qui traverse le métal", "de la vapeur d'eau de l'air, liquéfiée au froid",
     "de la glace du réfrigérateur, qui a fondu sur la canette", "de la boisson, qui fuit par l'ouverture", "", "2",
     "La vapeur d'eau de l'air se liquéfie au contact de la paroi froide", "2"},
    {"3", "1", "A quelle température la glace d'eau pure fond-elle?", "-10 °C", "0 °C", "4 °C", "20 °C", "100 °C",
     "2", "La glace d'eau pure fond à 0 °C", ""},
    {"3", "2", "On chauffe de la glace sortie du congélateur (courbe ci-contre). Sous quel état est l'eau au point A?",
     "solide", "liquide", "gazeux", "solide et liquide à la fois", "", "1",
     "Au point A, la température est inférieure à 0 °C: l'eau est solide", "3"},
    {"3", "3", "Que se passe-t-il au point B, sur le palier de la courbe?", "la glace se réchauffe sans fondre",
     "l'eau liquide se vaporise", "la glace fond à température constante", "la température de l'eau liquide monte",
     "", "3", "Pendant le palier, la glace fond et la température reste à 0 °C", "3"},
    {"4", "1", "On refroidit de l'eau liquide (courbe ci-contre). Combien de temps dure la solidification?", "4 min",
     "6 min", "8 min", "12 min", "16 min", "3", "Le palier va de 4 min à 12 min: la solidification dure 8 min", "4"},
    {"4", "2", "A quelle température l'eau pure se solidifie-t-elle?", "100 °C", "4 °C", "-10 °C", "20 °C", "0 °C",
     "5", "L'eau pure se solidifie à 0 °C, la température de fusion de la glace", ""},
    {"4", "3", "Quand de l'eau se solidifie, sa masse:", "augmente", "diminue", "ne change pas", "", "", "3",
     "La masse se conserve lors d'un changement d'état", ""},
    {"4", "4", "Une bouteille en verre pleine d'eau et bouchée a éclaté au congélateur. Pourquoi?",
     "la masse de l'eau a augmenté en gelant", "l'eau s'est vaporisée dans le froid",
     "le volume de l'eau a augmenté en gelant", "le volume de l'eau a diminué en gelant", "", "3",
     "En se solidifiant, l'eau augmente de volume; sa masse ne change pas", "5"},
    {"4", "5", "Quand l'eau d'un lac gèle en hiver, elle passe:", "de l'état liquide à l'état solide",
     "de l'état solide à l'état liquide", "", "", "", "1",
     "Geler, c'est se solidifier: l'eau passe de l'état liquide à l'état solide", ""},
    {"5", "1", "Que contiennent les grosses bulles qui se forment dans l'eau en ébullition?", "de l'air",
     "du dioxygène", "de la fumée", "du dioxyde de carbone", "de la vapeur d'eau", "5",
     "Ces bulles sont de la vapeur d'eau formée au sein du liquide", "6"},
    {"6", "1", "Le linge mouillé sèche au soleil. Comment s'appelle ce changement d'état de l'eau?", "la fusion",
     "la liquéfaction", "la solidification", "l'évaporation", "l'ébullition", "4",
     "L'eau du linge passe lentement à l'état gazeux: c'est l'évaporation", "7"},
    {"7", "1",
     "Un flacon bouché contenant des glaçons a une masse de 85,0 g. Quelle est sa masse quand toute la glace a "
     "fondu?",
     "80,0 g", "85,0 g", "90,0 g", "95,0 g", "", "2", "La masse se conserve lors de la fusion: elle reste 85,0 g",
     "8"},
    {"8", "1", "On chauffe longtemps un glaçon dans une casserole. Dans quel ordre l'eau passe-t-elle par ses états?",
     "solide -> liquide -> gaz", "liquide -> solide -> gaz", "gaz -> liquide -> solide", "solide -> gaz -> liquide",
     "", "1", "Le glaçon fond (solide -> liquide), puis l'eau se vaporise (liquide -> gaz)", ""},
};

// Measuring a mass with a balance; mass units.
static const LigneSource lignes_chimie6[] = {
    {"1", "1", "Quel instrument utilise-t-on pour mesurer une masse?", "un thermomètre", "une éprouvette graduée",
     "une balance", "une règle graduée", "un chronomètre", "3", "La masse se mesure avec une balance", ""},
    {"1", "2", "Dans le Système international d'unités, l'unité de masse est:", "le kilogramme", "le litre",
     "le mètre cube", "le degré Celsius", "", "1", "L'unité internationale de masse est le kilogramme (kg)", ""},
    {"1", "3", "Laquelle de ces conversions est juste?", "1 kg = 100 g", "1 kg = 1000 g", "1 kg = 10 g",
     "1 g = 1000 kg", "", "2", "1 kg = 1000 g", ""},
    {"1", "4", "Laquelle de ces conversions est juste?", "2,5 g = 250 mg", "2,5 g = 25 mg", "2,5 g = 2500 mg",
     "2,5 g = 0,25 mg", "", "3", "1 g = 1000 mg, donc 2,5 g = 2500 mg", ""},
    {"1", "5", "Laquelle de ces conversions est juste?", "350 g = 3,5 kg", "350 g = 0,35 kg", "350 g = 35 kg",
     "350 g = 0,035 kg", "350 g = 350000 kg", "2", "1 g = 0,001 kg, donc 350 g = 0,35 kg", ""},
    {"2", "1", "On pèse un bécher vide, puis le même bécher contenant de l'eau. Quelle est la masse de l'eau?",
     "52,4 g", "127,9 g", "180,3 g", "75,5 g", "", "4", "Masse de l'eau: 127,9 g - 52,4 g = 75,5 g", "1"},
    {"3", "1", "La balance est en équilibre. Quelle est la masse de la pomme?", "127 g", "4 g", "100 g", "125 g",
     "172 g", "1", "Masse de la pomme: 100 g + 20 g + 5 g + 2 g = 127 g", "2"},
    {"4", "1", "Vingt clous identiques ont une masse totale de 50 g. Quelle est la masse d'un clou?", "0,4 g",
     "2,5 g", "25 g", "70 g", "1000 g", "2", "Masse d'un clou: 50 g / 20 = 2,5 g", ""},
    {"4", "2",
     "Affranchir une lettre dépend de sa masse: 0,4 € jusqu'à 20 g. La masse d'une enveloppe timbrée est de 3,5 g "
     "et celle d'une feuille de papier est de 5 g. Combien peut-on envoyer de feuilles entières dans une enveloppe "
     "timbrée à 0,4 € ?",
     "1", "2", "3", "4", "aucune", "3", "On peut envoyer 3 feuilles", ""},
};

// Measuring the volume of a liquid (graduated cylinder) and of a solid (displaced water).
static const LigneSource lignes_chimie7[] = {
    {"1", "1", "Pour lire le volume d'eau dans l'éprouvette graduée, où faut-il placer l'oeil?", "en ( a )",
     "en ( b )", "en ( c )", "", "", "2", "L'oeil se place à la hauteur du bas du ménisque: position ( b )", "1"},
    {"1", "2", "Un élève lit le volume avec l'oeil placé en ( a ). Le volume qu'il lit est:",
     "plus grand que le volume réel", "égal au volume réel", "plus petit que le volume réel", "", "", "1",
     "L'oeil placé trop haut fait lire un volume trop grand", "1"},
    {"1", "3", "Quel volume correspond à une petite graduation de cette éprouvette?", "1 mL", "2 mL", "5 mL",
     "10 mL", "", "2", "Entre 60 mL et 70 mL, il y a 5 intervalles: 10 mL / 5 = 2 mL", "2"},
    {"1", "4", "Quel est le volume d'eau contenu dans l'éprouvette?", "60 mL", "63 mL", "64 mL", "66 mL", "68 mL",
     "4", "Le bas du ménisque est au niveau de 66 mL", "2"},
    {"2", "1", "Lequel de ces récipients sert à mesurer le volume d'un liquide?", "le récipient n°1",
     "le récipient n°2", "le récipient n°3", "le récipient n°4", "", "3",
     "Seule l'éprouvette graduée (n°3) permet de mesurer un volume", "3"},
    {"3", "1", "Un litre (1 L) est égal à:", "1 mL", "10 mL", "100 mL", "1000 mL", "10000 mL", "4",
     "1 L = 1000 mL", ""},
    {"4", "1", "On plonge un caillou dans l'éprouvette graduée. Quel est le volume du caillou?", "50 mL", "72 mL",
     "22 mL", "122 mL", "", "3", "Volume du caillou: 72 mL - 50 mL = 22 mL", "4"},
    {"4", "2", "Quel est le volume de ce caillou exprimé en cm3?", "2,2 cm3", "220 cm3", "0,22 cm3", "22 cm3", "",
     "4", "1 mL = 1 cm3, donc le caillou a un volume de 22 cm3", "4"},
    {"4", "3",
     "Pour mesurer le volume d'un solide par le déplacement de l'eau d'une éprouvette, le solide doit être:",
     "posé à la surface de l'eau", "à moitié plongé dans l'eau", "capable de se dissoudre dans l'eau",
     "assez léger pour flotter", "complètement immergé dans l'eau", "5",
     "Le solide doit être complètement immergé dans l'eau", ""},
    {"4", "4", "Peut-on mesurer le volume d'un morceau de sucre en le plongeant dans l'eau d'une éprouvette?",
     "Oui, comme celui d'un caillou", "Non, car le sucre se dissout dans l'eau",
     "Non, car le sucre flotte toujours sur l'eau", "", "", "2",
     "Le sucre se dissout dans l'eau: on ne peut pas mesurer ainsi son volume", ""},
    {"4", "5",
     "Dix billes identiques plongées dans une éprouvette font monter l'eau de 40 mL à 55 mL. Quel est le volume "
     "d'une bille?",
     "1,5 mL", "15 mL", "5,5 mL", "9,5 mL", "55 mL", "1", "Les dix billes occupent 15 mL, donc une bille 1,5 mL",
     ""},
    {"5", "1",
     "L'objet est trop gros pour l'éprouvette. On le plonge dans un vase plein d'eau et on recueille l'eau qui "
     "déborde. Quel est le volume de l'objet?",
     "35 mL", "70 mL", "celui de l'eau restée dans le vase", "on ne peut pas le connaître", "", "1",
     "L'eau qui déborde a le même volume que l'objet: 35 mL", "5"},
    {"6", "1", "Quel est le plus grand de ces volumes?", "0,5 L", "450 mL", "600 cm3", "0,4 dm3", "350 mL", "3",
     "600 cm3 = 600 mL, c'est plus que 0,5 L = 500 mL", ""},
};

void charger_questions_chimie() {
    remplir_feuille(feuille_chimie2, lignes_chimie2);
    remplir_feuille(feuille_chimie3, lignes_chimie3);
    remplir_feuille(feuille_chimie5, lignes_chimie5);
    remplir_feuille(feuille_chimie6, lignes_chimie6);
    remplir_feuille(feuille_chimie7, lignes_chimie7);
}

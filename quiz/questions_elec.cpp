// Electricity question banks. Each row: exercise, question, question text, choices 1 to 5 ("" when
// absent), right choice, correction, picture index in the sheet's picture list ("" for none).
#include "quiz/banques.h"

// Le sens du courant électrique
static const LigneSource lignes_elec5[] = {
    {"1", "1", "Par convention, dans quel sens circule le courant électrique à l'extérieur du générateur?",
     "De la borne - vers la borne + du générateur", "De la borne + vers la borne - du générateur",
     "Dans les deux sens à la fois", "", "", "2",
     "Hors du générateur, le courant va de la borne + vers la borne -", ""},
    {"2", "1", "Le circuit ci-contre est fermé. Quelle flèche indique le sens conventionnel du courant électrique?",
     "La flèche n°1", "La flèche n°2", "La flèche n°3", "La flèche n°4", "", "3",
     "Le courant part de la borne + et fait le tour jusqu'à la borne -: c'est la flèche n°3", "1"},
    {"2", "2", "Dans lequel de ces deux circuits la DEL est-elle allumée?", "Dans le circuit ( a )",
     "Dans le circuit ( b )", "Dans les deux circuits", "Dans aucun des deux circuits", "", "1",
     "En ( a ), le courant traverse la DEL dans son sens passant: elle brille", "2"},
    {"2", "3",
     "Dans le circuit ( 1 ), le moteur tourne dans le sens de la flèche. Dans le circuit ( 2 ), les bornes de la pile "
     "ont été inversées. Que fait alors le moteur?",
     "Il s'arrête", "Il tourne dans le même sens", "Il tourne dans le sens inverse", "Il tourne plus vite",
     "Il tourne moins vite", "3", "Le sens du courant est inversé, donc le moteur tourne dans l'autre sens", "3"},
    {"2", "4", "Le circuit ci-contre est fermé. Que peut-on observer?", "La lampe L et la DEL brillent",
     "La lampe L brille, la DEL reste éteinte", "La DEL brille, la lampe L reste éteinte",
     "La lampe L et la DEL restent éteintes", "", "4",
     "La DEL est dans son sens bloquant: aucun courant ne circule, tout reste éteint", "4"},
    {"2", "5", "Le circuit ci-contre est fermé. Dans quel sens le courant électrique traverse-t-il la lampe?",
     "De A vers B", "De B vers A", "Tantôt de A vers B, tantôt de B vers A", "Il ne traverse pas la lampe", "", "2",
     "Le courant sort par la borne + de la pile, à droite: il passe par B puis par A", "5"},
    {"2", "6", "Par quelle patte le courant doit-il entrer dans cette DEL pour qu'elle s'allume?",
     "Par la patte ( a )", "Par la patte ( b )", "Par l'une ou l'autre, peu importe", "", "", "2",
     "Le courant doit entrer par la patte la plus longue, ici la patte ( b )", "6"},
    {"2", "7", "Lequel de ces dipôles permet de savoir dans quel sens circule le courant dans un circuit?",
     "Une lampe", "Un interrupteur", "Un fil de connexion", "Une résistance", "Une DEL", "5",
     "Une DEL ne brille que si le courant la traverse dans son sens passant", ""},
};

// Montages en série et en dérivation
static const LigneSource lignes_elec6[] = {
    {"1", "1", "Comment sont branchés les dipôles d'un circuit en série?",
     "Les uns à la suite des autres, en une seule boucle", "Sur plusieurs boucles qui passent toutes par la pile",
     "Chacun relié directement aux deux bornes de la pile", "", "", "1",
     "En série, les dipôles se suivent et forment une seule boucle avec la pile", ""},
    {"1", "2", "Deux lampes sont branchées en série avec une pile. On dévisse l'une d'elles. L'autre lampe:",
     "s'éteint", "brille plus fort", "brille moins fort", "brille de la même façon", "", "1",
     "En série, dévisser une lampe ouvre le circuit: l'autre lampe s'éteint", ""},
    {"2", "1", "Dans lequel de ces circuits les lampes L1 et L2 sont-elles branchées en dérivation?",
     "Dans le circuit ( 1 )", "Dans le circuit ( 2 )", "Dans les deux circuits", "Dans aucun des deux circuits", "",
     "2", "Dans le circuit ( 2 ), chaque lampe forme sa propre boucle avec la pile", "1"},
    {"2", "2", "L'interrupteur K est fermé. On dévisse la lampe L1. Que deviennent les lampes L2 et L3?",
     "Elles s'éteignent toutes les deux", "Elles restent allumées toutes les deux", "Seule L2 reste allumée",
     "Seule L3 reste allumée", "Elles brillent plus fort qu'avant", "1",
     "L1 est sur la partie commune aux deux boucles: tout le circuit est ouvert", "2"},
    {"2", "3", "L'interrupteur K est fermé. On dévisse la lampe L3. Quelle(s) lampe(s) reste(nt) allumée(s)?",
     "Aucune lampe", "L1 seulement", "L2 seulement", "L1 et L2", "", "2",
     "L2, en série avec L3, s'éteint; L1, sur une autre boucle, reste allumée", "3"},
    {"2", "4", "L'interrupteur K est ouvert et l'interrupteur K1 est fermé. Quelle(s) lampe(s) brille(nt)?",
     "L1 seulement", "L2 seulement", "L1 et L2", "Aucune lampe", "", "4",
     "K est sur la partie commune aux deux boucles: ouvert, il éteint toutes les lampes", "4"},
    {"3", "1", "Les piles sont identiques, ainsi que les lampes. Dans quel circuit les lampes brillent-elles le moins?",
     "Dans le circuit ( a )", "Dans le circuit ( b )", "Dans le circuit ( c )", "", "", "2",
     "Deux lampes en série brillent moins qu'une lampe seule: circuit ( b )", "5"},
    {"3", "2", "Deux lampes identiques sont branchées en dérivation aux bornes d'une pile. Chacune d'elles brille:",
     "moins qu'une lampe seule branchée sur cette pile", "autant qu'une lampe seule branchée sur cette pile",
     "plus qu'une lampe seule branchée sur cette pile", "", "", "2",
     "En dérivation, chaque lampe brille comme si elle était seule sur la pile", ""},
    {"3", "3", "Dans une maison, les lampes et les prises de courant sont branchées en dérivation. Pourquoi?",
     "Pour pouvoir faire fonctionner chaque appareil sans les autres",
     "Pour que tous les appareils s'allument et s'éteignent en même temps", "Pour que les lampes brillent moins fort",
     "Pour pouvoir se passer d'interrupteurs", "", "1",
     "En dérivation, chaque appareil a sa boucle: on l'allume ou l'éteint seul", ""},
};

// Association de piles en série
// Shared by the three rows of exercise 2, each with its own picture.
static constexpr const char* tension_entre_a_et_b =
    "Chaque pile porte l'indication 1,5 V. Quelle est la tension entre les bornes A et B de l'association ci-contre?";
static const LigneSource lignes_elec7[] = {
    {"1", "1", "Pour associer deux piles en série de sorte que leurs tensions s'ajoutent, on relie:",
     "la borne + d'une pile à la borne - de l'autre", "la borne + d'une pile à la borne + de l'autre",
     "la borne - d'une pile à la borne - de l'autre", "les deux bornes d'une même pile entre elles", "", "1",
     "On relie le + de l'une au - de l'autre: leurs tensions s'ajoutent", ""},
    {"1", "2",
     "Une pile plate de 4,5 V contient trois éléments identiques associés en série dans le même sens. Quelle est la "
     "tension de chacun d'eux?",
     "1,5 V", "3 V", "4,5 V", "9 V", "13,5 V", "1", "Les trois tensions s'ajoutent: 1,5 V + 1,5 V + 1,5 V = 4,5 V",
     ""},
    {"1", "3", "On associe en série, dans le même sens, deux piles de 4,5 V. Quelle est la tension de cette association?",
     "0 V", "2,25 V", "4,5 V", "9 V", "", "4", "Dans le même sens, les tensions s'ajoutent: 4,5 V + 4,5 V = 9 V", ""},
    {"1", "4",
     "On associe en série une pile de 4,5 V et une pile de 1,5 V retournée: leurs bornes + sont reliées. Quelle est la "
     "tension de l'association?",
     "0 V", "1,5 V", "3 V", "4,5 V", "6 V", "3", "La pile retournée retranche sa tension: 4,5 V - 1,5 V = 3 V", ""},
    {"2", "1", tension_entre_a_et_b, "0 V", "1,5 V", "3 V", "4,5 V", "6 V", "4",
     "Trois piles dans le même sens: 1,5 V + 1,5 V + 1,5 V = 4,5 V", "1"},
    {"2", "2", tension_entre_a_et_b, "0 V", "1,5 V", "3 V", "4,5 V", "6 V", "3",
     "Même sens: les tensions s'ajoutent; pile retournée: sa tension se retranche. Ici 3 V", "2"},
    {"2", "3", tension_entre_a_et_b, "0 V", "1,5 V", "3 V", "4,5 V", "6 V", "3",
     "Même sens: les tensions s'ajoutent; pile retournée: sa tension se retranche. Ici 3 V", "3"},
};

// Adaptation générateur-lampe
static const LigneSource lignes_elec8[] = {
    {"1", "1", "La lampe ci-contre porte l'indication 4,5 V. Avec laquelle de ces piles brillera-t-elle normalement?",
     "La pile n°1", "La pile n°2", "La pile n°3", "La pile n°4", "", "3",
     "La lampe est adaptée à une pile de même tension: la pile n°3 de 4,5 V", "1"},
    {"1", "2", "Sur le culot d'une lampe, on lit ''6 V''. Que signifie cette indication?",
     "C'est la tension minimale pour que la lampe s'allume", "C'est la tension sous laquelle la lampe brille normalement",
     "C'est la tension de la pile qui se trouve dans la lampe", "C'est la tension au-dessous de laquelle la lampe grille",
     "", "2", "6 V est la tension nominale: sous 6 V, la lampe brille normalement", ""},
    {"1", "3",
     "On branche une lampe sur une pile dont la tension est bien plus grande que la tension nominale de la lampe. La "
     "lampe:",
     "reste éteinte car le courant ne passe pas", "brille faiblement car elle est en sous-tension",
     "brille normalement car elle est adaptée", "brille très fort et risque de griller", "", "4",
     "En surtension, la lampe brille trop fort: son filament peut fondre", ""},
    {"2", "1", "Les trois piles sont identiques. Dans quel circuit la lampe brille-t-elle normalement?",
     "Dans le circuit ( a )", "Dans le circuit ( b )", "Dans le circuit ( c )", "", "", "3",
     "En ( c ), la lampe de 4,5 V est adaptée à la pile de 4,5 V", "2"},
    {"2", "2", "Dans quel circuit la lampe risque-t-elle de griller?", "Dans le circuit ( a )", "Dans le circuit ( b )",
     "Dans le circuit ( c )", "Dans aucun des trois circuits", "", "1",
     "En ( a ), la lampe de 2,5 V reçoit 4,5 V: elle est en surtension", "2"},
    {"2", "3", "Que peut-on dire de la lampe du circuit ( b )?", "Elle est adaptée à la pile: elle brille normalement",
     "Elle est en surtension: elle risque de griller", "Elle est court-circuitée: elle reste éteinte",
     "Elle brille plus fort que les deux autres lampes", "Elle est en sous-tension: elle brille peu ou pas du tout",
     "5", "La lampe de 12 V ne reçoit que 4,5 V: elle est en sous-tension", "2"},
    {"3", "1",
     "On dispose de piles de 1,5 V et d'une lampe de tension nominale 4,5 V. Combien de piles faut-il associer en série, "
     "dans le même sens, pour que la lampe brille normalement?",
     "1", "2", "3", "4", "5", "3", "1,5 V + 1,5 V + 1,5 V = 4,5 V: il faut trois piles", ""},
};

// Sécurité électrique et court-circuit
static const LigneSource lignes_elec9[] = {
    {"1", "1", "Que signale ce pictogramme?", "Un produit inflammable: risque d'incendie",
     "Un danger électrique: risque d'électrocution", "Un produit toxique: risque d'empoisonnement",
     "Une sortie de secours", "Un appareil en panne", "2",
     "Ce pictogramme signale un danger électrique: risque d'électrocution", "1"},
    {"2", "1", "Dans ce circuit, quel dipôle est court-circuité par le fil rouge?", "La pile", "La lampe L1",
     "La lampe L2", "L'interrupteur K", "", "2", "Le fil rouge relie les deux bornes de L1: L1 est court-circuitée", "2"},
    {"2", "2", "L'interrupteur K est fermé. Qu'observe-t-on?", "L1 et L2 brillent toutes les deux normalement",
     "L1 et L2 restent toutes les deux éteintes", "L1 brille davantage et L2 reste éteinte",
     "L1 reste éteinte et L2 brille davantage que sans le fil", "Les deux lampes grillent aussitôt", "4",
     "Le courant passe par le fil rouge et non par L1, éteinte; L2 brille davantage", "2"},
    {"2", "3", "Le fil rouge relie directement les deux bornes de la pile. Que se passe-t-il?",
     "La lampe L brille plus fort car le courant augmente", "La pile est en court-circuit: elle chauffe et L s'éteint",
     "La lampe L grille car elle reçoit trop de courant", "Rien ne change: le fil rouge ne joue aucun rôle",
     "La pile se recharge grâce au fil rouge", "2",
     "Pile en court-circuit: un courant intense la traverse, elle chauffe et s'use vite", "3"},
    {"2", "4", "Quand dit-on qu'un dipôle est court-circuité?", "Quand il est seul dans le circuit avec la pile",
     "Quand il est branché à l'envers dans le circuit", "Quand l'interrupteur du circuit est ouvert",
     "Quand il est en série avec une lampe ou un moteur", "Quand un fil de connexion relie ses deux bornes", "5",
     "Un dipôle est court-circuité quand un fil relie directement ses deux bornes", ""},
    {"3", "1", "Quel est le rôle du fusible F placé dans ce circuit?",
     "Il augmente le courant pour que la lampe brille plus", "Il sert d'interrupteur pour allumer la lampe",
     "Il fond et coupe le courant si celui-ci devient trop intense", "Il fournit le courant électrique au circuit",
     "Il montre dans quel sens circule le courant", "3",
     "Le fusible fond si le courant est trop intense: il protège le circuit", "4"},
    {"3", "2", "Pourquoi ne faut-il jamais toucher un appareil branché sur le secteur avec les mains mouillées?",
     "Parce que l'eau risque de faire rouiller l'appareil", "Parce que l'eau est un isolant qui bloque le courant",
     "Parce que le corps mouillé conduit mieux le courant",
     "Parce que l'eau use plus vite les appareils électriques", "", "3",
     "Le corps humain conduit le courant, encore mieux s'il est mouillé: danger", ""},
    {"3", "3", "Peut-on faire des expériences avec les prises de courant de la maison?",
     "Non, jamais: la tension du secteur (230 V) est dangereuse",
     "Oui, car leur tension est aussi faible que celle d'une pile", "", "", "", "1",
     "La tension du secteur, 230 V, peut électrocuter: on n'y touche jamais", ""},
};

void charger_questions_elec() {
    remplir_feuille(feuille_elec5, lignes_elec5);
    remplir_feuille(feuille_elec6, lignes_elec6);
    remplir_feuille(feuille_elec7, lignes_elec7);
    remplir_feuille(feuille_elec8, lignes_elec8);
    remplir_feuille(feuille_elec9, lignes_elec9);
}

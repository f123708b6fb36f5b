#pragma once

class QByteArray;
class QCoreApplication;
class QLocale;
class QProcessEnvironment;

// The program speaks French whatever the system's language. On a system whose numbers are not
// French, numbers, dates, the calendar and Qt's own dialogs use French (France); a French system
// keeps its own formats (its short date among them). Qt's French texts are installed in both cases.
void installer_langue_francaise(QCoreApplication& application);
// Called before the application object is made: on a system whose dates or messages are not
// French, the system locale that Qt reads (Qt's own dialogs, such as the dates of the file
// dialog, read it rather than the program's locale) becomes French (France) for this program,
// while numbers and characters keep the system's settings. A second call
// keeps the values first received as the received ones.
void preparer_langue_systeme();
// Sets a variable of the environment for the program alone (a null value unsets it): the value it
// had is recorded, and the programs it starts get it back (environnement_recu()).
void changer_pour_le_programme(const char* variable, const QByteArray& valeur);
// The locale the program uses on a system of this locale.
QLocale langue_du_programme(const QLocale& systeme);
// The environment as the program received it, less what Qt itself took out of it (the
// desktop's start-up notices): the one the programs it starts are given, so that they speak the
// user's language, not the program's.
QProcessEnvironment environnement_recu();

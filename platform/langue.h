#pragma once

class QCoreApplication;
class QLocale;

// The program speaks French whatever the system's language. On a system whose language is not
// French, dates, the calendar and Qt's own dialogs use French (France); a French system keeps
// its own formats (its short date among them). Qt's French texts are installed in both cases.
void installer_langue_francaise(QCoreApplication& application);
// The locale the program uses on a system of this locale.
QLocale langue_du_programme(const QLocale& systeme);

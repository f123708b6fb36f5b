#include "tests/support/petit_disque.h"

#include <QFile>
#include <QProcess>

PetitDisque::PetitDisque(int kio) {
    QProcess montage;
    montage.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                            QStringLiteral("size=%1k").arg(kio), QStringLiteral("tmpfs"), chemin()});
    monte_ = montage.waitForFinished(10000) && montage.exitStatus() == QProcess::NormalExit && montage.exitCode() == 0;
}

PetitDisque::~PetitDisque() {
    if (monte_) QProcess::execute(QStringLiteral("umount"), {chemin()});
}

void PetitDisque::remplir(const QString& nom) const {
    QFile f(chemin(nom));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray bloc(4096, 'x');
    while (f.write(bloc) == bloc.size()) {
    }
}

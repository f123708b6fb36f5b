// A long run of the random pupil (tests/support/eleve_aleatoire.h), outside the test suite:
//   eleve_aleatoire SEED COUNT
// Prints the figures of the run; on a failure, what failed, the seed and the last steps, and
// ends with status 1.
#include "frame/demarrage.h"
#include "tests/support/eleve_aleatoire.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED COUNT\n", argv[0]);
        return 2;
    }
    bool ok_graine = false;
    bool ok_pas = false;
    const std::uint32_t graine = QByteArray(argv[1]).toUInt(&ok_graine);
    const int nombre_pas = QByteArray(argv[2]).toInt(&ok_pas);
    if (!ok_graine || !ok_pas || nombre_pas < 0) {
        std::fprintf(stderr, "SEED and COUNT are whole numbers\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    preparer_processus();
    QApplication application(argc, argv);
    preparer_application(application);
    QElapsedTimer chrono;
    chrono.start();
    const BilanEleve bilan = faire_jouer_eleve(graine, nombre_pas);
    std::printf("seed %u: %s\ntime %.1f s\n", graine, qPrintable(bilan.resume()), double(chrono.elapsed()) / 1000.0);
    if (!bilan.echec.isEmpty()) {
        std::printf("FAILED: %s\n", qPrintable(bilan.echec));
        return 1;
    }
    std::printf("passed\n");
    return 0;
}

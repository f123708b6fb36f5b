// The optics sheet crowded: 200 elements of every kind dropped from the palette and 1000 rays
// drawn in all eight directions through the sheet's own handlers, then the median time of a full
// repaint of the window, of the drawing area on the screen, of one snapshot at its size, and of the
// release that finishes one more ray (the handler and the paint it asks for). Prints "name value"
// lines (milliseconds).
// Usage: bench_traces_optique [REPEATS]
#include "bench/vantarel.h"
#include "circuit/etat_circuit.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// The median time of the action; `avant`, untimed, runs before each.
double mediane_ms(int fois, const std::function<void()>& action, const std::function<void()>& avant = [] {}) {
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        avant();
        QElapsedTimer chrono;
        chrono.start();
        action();
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2];
}
}

int main(int argc, char* argv[]) {
    const int fois = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    preparer_processus();
    QApplication application(argc, argv);
    banc::preparer_vantarel(application);
    installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbOK); });
    demarrer();

    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    f->Label_optique_Click(1);
    QCoreApplication::processEvents();

    // 200 elements, the sixteen palette kinds in turn, on a grid of 28 pixels.
    for (int k = 0; k < 200; ++k) {
        const TypeElement& t = types_elements()[std::size_t(k % 16)];
        type_selection = QString::fromUtf8(t.nom);
        x_depart = 20.0f;
        y_depart = 20.0f;
        f->cadre_optique_DragDrop(f->tableau(type_selection)->element(0), float(20 + 28 * (k % 14)),
                                  float(20 + 28 * (k / 14)));
    }
    // 1000 rays of 10 to 80 pixels, the eight directions in turn, all over the area.
    const QPointF pas[8] = {{1, -1}, {-1, -1}, {-1, 1}, {1, 1}, {0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    outil_rayon = true;
    for (int r = 0; r < 1000; ++r) {
        const QPointF depart(40 + (r * 37) % 340, 40 + (r * 53) % 320);
        const QPointF fin = depart + pas[r % 8] * (10 + (r * 7) % 70);
        f->cadre_optique_MouseDown(1, 0, float(depart.x()), float(depart.y()));
        f->cadre_optique_MouseUp(1, 0, float(fin.x()), float(fin.y()));
    }
    QCoreApplication::processEvents();
    int elements = 0;
    for (const TypeElement& t : types_elements())
        if (t.palette) elements += f->tableau(QString::fromUtf8(t.nom))->Count() - 1;
    if (elements != 200 || nb_rayon != 1000) {
        std::fprintf(stderr, "the sheet was not filled: %d elements, %d rays\n", elements, int(nb_rayon));
        return 1;
    }

    // Every control of the window painted afresh, as the screen shows it, into an image of the
    // window's size: the window's own repaint under a headless platform skips nothing this way.
    QImage ecran(f->size(), QImage::Format_RGB32);
    std::printf("repaint_ms %.3f\n", mediane_ms(fois, [f, &ecran] { f->render(&ecran); }));
    // The drawing area repainted on the screen, as each move of a rubber band asks.
    std::printf("aire_ms %.3f\n", mediane_ms(fois, [f] {
                    f->cadre_optique->update();
                    QCoreApplication::processEvents();
                }));
    std::printf("instantane_ms %.3f\n", mediane_ms(fois, [f] { f->prendre_instantane(); }));
    int r = 0;
    const auto appui = [f, &r] {
        f->cadre_optique_MouseDown(1, 0, float(60 + 9 * (r % 30)), float(60 + 7 * (r % 40)));
        QCoreApplication::processEvents();
    };
    const auto relachement = [f, &r] {
        f->cadre_optique_MouseUp(1, 0, float(110 + 9 * (r % 30)), float(30 + 7 * (r % 40)));
        ++r;
        QCoreApplication::processEvents();
    };
    std::printf("rayon_ms %.3f\n", mediane_ms(fois, relachement, appui));
    // What dominates: the same release without its paint, and the repaint once the rays have
    // lost their window regions (their white no longer cut out).
    const auto relachement_seul = [f, &r] {
        f->cadre_optique_MouseUp(1, 0, float(110 + 9 * (r % 30)), float(30 + 7 * (r % 40)));
        ++r;
    };
    std::printf("rayon_sans_peinture_ms %.3f\n", mediane_ms(fois, relachement_seul, appui));
    for (const auto& [i, rayon] : f->tableau(QStringLiteral("rayon"))->elements()) rayon->clearMask();
    std::printf("repaint_rayons_sans_region_ms %.3f\n", mediane_ms(fois, [f, &ecran] { f->render(&ecran); }));
    return 0;
}

#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system of its own (tmpfs) mounted on a temporary folder for the life of the
// object, to fill up for real. Mounting needs root: where it cannot be done, monte() is false
// and the test falls back on the writer's test hook.
class PetitDisque {
public:
    explicit PetitDisque(int kio);
    ~PetitDisque();
    PetitDisque(const PetitDisque&) = delete;
    PetitDisque& operator=(const PetitDisque&) = delete;
    bool monte() const { return monte_; }
    QString chemin() const { return point_.path(); }
    QString chemin(const QString& nom) const { return point_.filePath(nom); }
    // Fills what is left of it with one file of that name.
    void remplir(const QString& nom) const;

private:
    QTemporaryDir point_;
    bool monte_ = false;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <utility>
#include <vector>

// A control array: element 0 is the design-time control, the template; further elements are
// loaded at run time by index, with gaps allowed. Load(i) makes a hidden copy of element 0 in
// its container through the copy hook of the control's kind, copier_controle(const T&)
// (controles.h, sans_fenetre.h); Unload(i) removes it through detruire_controle(T*). Indices
// are the run time's 16-bit ones, 0 to 32767. A control destroyed with its window is no longer
// an element.
template <class T>
class TableauControles {
public:
    static constexpr int indice_max = 32767;

    TableauControles() = default;
    explicit TableauControles(T* element0) { definir_modele(element0); }
    void definir_modele(T* element0) { elements_[0] = element0; }

    // The new element i, hidden; nullptr (nothing made) when i is loaded, out of the 16-bit
    // range, or when there is no element 0 to copy.
    T* Load(int i) {
        if (i < 0 || i > indice_max || existe(i)) return nullptr;
        T* modele = element(0);
        if (!modele) return nullptr;
        T* copie = copier_controle(*modele);
        elements_[i] = copie;
        return copie;
    }
    // Removes element i; false when it is not loaded or is the design-time element 0.
    bool Unload(int i) {
        if (i == 0 || !existe(i)) return false;
        T* c = element(i);
        elements_.erase(i);
        detruire_controle(c);
        return true;
    }
    bool existe(int i) const {
        const auto it = elements_.find(i);
        return it != elements_.end() && !it->second.isNull();
    }
    T* element(int i) const {
        const auto it = elements_.find(i);
        return it == elements_.end() ? nullptr : it->second.data();
    }
    T* operator()(int i) const { return element(i); }
    // The highest index loaded, -1 when there is none.
    int UBound() const {
        for (auto it = elements_.crbegin(); it != elements_.crend(); ++it)
            if (!it->second.isNull()) return it->first;
        return -1;
    }
    // The lowest loaded index above i, -1 when there is none (a walk that may change the array
    // between two steps asks for the next index afresh each time).
    int suivant(int i) const {
        for (auto it = elements_.upper_bound(i); it != elements_.end(); ++it)
            if (!it->second.isNull()) return it->first;
        return -1;
    }
    int Count() const {
        int n = 0;
        for (const auto& [i, c] : elements_) n += c.isNull() ? 0 : 1;
        return n;
    }
    // The index of an element, -1 when it is none of this array's.
    int index_de(const QObject* controle) const {
        for (const auto& [i, c] : elements_)
            if (c && c.data() == controle) return i;
        return -1;
    }
    // The loaded elements by ascending index: for (auto [i, c] : tableau.elements()).
    std::vector<std::pair<int, T*>> elements() const {
        std::vector<std::pair<int, T*>> liste;
        for (const auto& [i, c] : elements_)
            if (c) liste.emplace_back(i, c.data());
        return liste;
    }

private:
    std::map<int, QPointer<T>> elements_;
};

#pragma once

#include <QString>
#include <vector>

// A combo box without a toolkit: its entries with their item data, the chosen entry (-1 for
// none) and the text shown, which an editable combo lets the user type.
struct Combo {
    struct Elemento {
        QString texto;
        int dato = 0;
    };
    std::vector<Elemento> elementos;
    int ListIndex = -1;
    QString Text;

    void Clear()
    {
        elementos.clear();
        ListIndex = -1;
        Text.clear();
    }
    void AddItem(const QString &texto, int dato = 0) { elementos.push_back({texto, dato}); }
    int ItemData(int i) const { return i >= 0 && i < int(elementos.size()) ? elementos[size_t(i)].dato : 0; }
    void Elegir(int i)
    {
        ListIndex = i >= 0 && i < int(elementos.size()) ? i : -1;
        Text = ListIndex >= 0 ? elementos[size_t(i)].texto : QString();
    }
};

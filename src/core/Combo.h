#pragma once

#include <QString>
#include <vector>

// A combo box without a toolkit: items with their item data, the chosen index and the text
// in its box (which may be typed when the box is editable).
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
    int ListCount() const { return int(elementos.size()); }
    // Chooses an item; its text goes to the box.
    void Elegir(int indice)
    {
        ListIndex = indice >= 0 && indice < ListCount() ? indice : -1;
        Text = ListIndex >= 0 ? elementos[size_t(ListIndex)].texto : QString();
    }
    // Chooses the first item with this text, or none (the text stays as it is).
    void ElegirTexto(const QString &texto)
    {
        Text = texto;
        ListIndex = -1;
        for (int i = 0; i < ListCount(); ++i)
            if (elementos[size_t(i)].texto == texto) {
                ListIndex = i;
                break;
            }
    }
    // Item data of the chosen item; 0 when none is chosen.
    int ItemData() const { return ListIndex >= 0 ? elementos[size_t(ListIndex)].dato : 0; }
    int ItemData(int i) const { return i >= 0 && i < ListCount() ? elementos[size_t(i)].dato : 0; }
    // Appends one item per row of the query on the program's connection: the trimmed text of
    // one field, the other as item data.
    void AgregarDeConsulta(const QString &sql, const QString &campoTexto, const QString &campoDato);
};

#include "ui/common/TablaAccesible.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>

#include <algorithm>
#include <map>

namespace {

// A column's header as read: its own name for readers, or else what it shows.
QString NombreColumna(const QAbstractItemModel *modelo, int columna)
{
    const QString nombre = modelo->headerData(columna, Qt::Horizontal, Qt::AccessibleTextRole).toString();
    return nombre.isEmpty() ? modelo->headerData(columna, Qt::Horizontal).toString() : nombre;
}

// One cell of a grid, or with row -1 the header of its column. `columna_` is the model's column.
class Celda : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    Celda(QTableView *vista, int fila, int columna) : vista_(vista), fila_(fila), columna_(columna) {}

    int Fila() const { return fila_; }
    int Columna() const { return columna_; }

    bool isValid() const override
    {
        return vista_ && vista_->model() && fila_ < vista_->model()->rowCount()
               && columna_ < vista_->model()->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(vista_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override
    {
        return fila_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        if (fila_ < 0)
            return NombreColumna(vista_->model(), columna_);
        return Indice().data().toString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (fila_ < 0) {
            const QHeaderView *h = vista_->horizontalHeader();
            return {h->mapToGlobal(QPoint(h->sectionViewportPosition(columna_), 0)),
                    QSize(h->sectionSize(columna_), h->height())};
        }
        const QRect r = vista_->visualRect(Indice());
        return r.translated(vista_->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const QWidget *marco =
            fila_ < 0 ? static_cast<QWidget *>(vista_->horizontalHeader()) : vista_->viewport();
        s.invisible = !QRect(marco->mapToGlobal(QPoint(0, 0)), marco->size()).intersects(rect());
        if (fila_ >= 0 && vista_->selectionMode() != QAbstractItemView::NoSelection) {
            s.selectable = s.focusable = true;
            s.selected = isSelected();
            s.focused = vista_->currentIndex() == Indice();
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                    : nullptr;
    }

    bool isSelected() const override
    {
        return fila_ >= 0 && isValid() && vista_->selectionModel()
               && vista_->selectionModel()->isSelected(Indice());
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override { return fila_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QModelIndex Indice() const { return vista_->model()->index(fila_, columna_); }

    QPointer<QTableView> vista_;
    int fila_;
    int columna_;
};

// The grid itself: rows are the model's, columns the visible ones. Children are the header's cells
// and then each row's, over the visible columns; the view's events, numbered over every column and
// a row-header place, are renumbered on their way out (HijoDe).
class Tabla : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit Tabla(QTableView *vista) : QAccessibleWidget(vista, QAccessible::Table) {}
    ~Tabla() override { Olvidar(); }

    // The cell of model row `fila` (-1: the header) and model column `columna`, made once.
    QAccessibleInterface *CeldaDe(int fila, int columna) const
    {
        if (!Vista()->model() || fila < -1 || fila >= rowCount() || columna < 0
            || columna >= Vista()->model()->columnCount())
            return nullptr;
        auto [donde, nueva] = celdas_.try_emplace({fila, columna}, 0);
        if (nueva)
            donde->second = QAccessible::registerAccessibleInterface(new Celda(Vista(), fila, columna));
        return QAccessible::accessibleInterface(donde->second);
    }

    QList<int> Visibles() const
    {
        QList<int> v;
        for (int c = 0; Vista()->model() && c < Vista()->model()->columnCount(); ++c)
            if (!Vista()->isColumnHidden(c))
                v.append(c);
        return v;
    }

    // QAccessibleInterface
    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface *child(int i) const override
    {
        const QList<int> visibles = Visibles();
        if (i < 0 || visibles.isEmpty() || !Vista()->model())
            return nullptr;
        if (i < childCount())
            return CeldaDe(int(i / visibles.size()) - 1, visibles[i % visibles.size()]);
        // Past the children, the view's own number of a cell: Qt looks up a focus or selection
        // event's cell by it before the event is renumbered (HijoDe), and must find one.
        const int ancho = Vista()->model()->columnCount() + 1;
        const int columna = i % ancho - 1;
        const bool oculta = columna < 0 || Vista()->isColumnHidden(columna);
        return CeldaDe(i / ancho - 1, oculta ? visibles.first() : columna);
    }
    int indexOfChild(const QAccessibleInterface *hijo) const override
    {
        const auto *c = dynamic_cast<const Celda *>(hijo);
        return c && c->table() == this ? Numero(c->Fila(), c->Columna()) : -1;
    }
    // Model row `fila` (-1: the header) and model column `columna`, among the children; a hidden
    // column stands for the row's first visible cell.
    int Numero(int fila, int columna) const
    {
        const QList<int> visibles = Visibles();
        if (visibles.isEmpty() || fila < -1 || fila >= rowCount())
            return -1;
        return int((fila + 1) * visibles.size() + std::max<qsizetype>(0, visibles.indexOf(columna)));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint punto(x, y);
        const QHeaderView *h = Vista()->horizontalHeader();
        const QPoint enCabecera = h->mapFromGlobal(punto);
        if (h->isVisible() && h->rect().contains(enCabecera))
            return CeldaDe(-1, h->logicalIndexAt(enCabecera));
        const QModelIndex i = Vista()->indexAt(Vista()->viewport()->mapFromGlobal(punto));
        return i.isValid() ? CeldaDe(i.row(), i.column()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const QModelIndex i = Vista()->currentIndex();
        const QList<int> visibles = Visibles();
        if (!i.isValid() || visibles.isEmpty())
            return nullptr;
        return CeldaDe(i.row(), Vista()->isColumnHidden(i.column()) ? visibles.first() : i.column());
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int fila, int columna) const override
    {
        const QList<int> visibles = Visibles();
        return fila >= 0 && columna >= 0 && columna < visibles.size() ? CeldaDe(fila, visibles[columna])
                                                                      : nullptr;
    }
    int columnCount() const override { return int(Visibles().size()); }
    int rowCount() const override { return Vista()->model() ? Vista()->model()->rowCount() : 0; }
    QString columnDescription(int columna) const override
    {
        const QList<int> visibles = Visibles();
        if (columna < 0 || columna >= visibles.size())
            return {};
        return NombreColumna(Vista()->model(), visibles[columna]);
    }
    QString rowDescription(int) const override { return {}; }

    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> celdas;
        if (!Vista()->selectionModel())
            return celdas;
        for (const QModelIndex &i : Vista()->selectionModel()->selectedIndexes())
            if (!Vista()->isColumnHidden(i.column()))
                celdas.append(CeldaDe(i.row(), i.column()));
        return celdas;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<int> selectedRows() const override
    {
        QList<int> filas;
        for (int f = 0; f < rowCount(); ++f)
            if (isRowSelected(f))
                filas.append(f);
        return filas;
    }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    bool isRowSelected(int fila) const override
    {
        return Vista()->selectionModel() && Vista()->selectionModel()->isRowSelected(fila);
    }
    // Staff pick rows, never columns.
    QList<int> selectedColumns() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    bool isColumnSelected(int) const override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    bool selectRow(int fila) override
    {
        if (Vista()->selectionMode() == QAbstractItemView::NoSelection || fila < 0 || fila >= rowCount())
            return false;
        Vista()->selectRow(fila);
        return true;
    }
    bool unselectRow(int fila) override
    {
        if (!isRowSelected(fila))
            return false;
        Vista()->selectionModel()->select(Vista()->model()->index(fila, 0),
                                          QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        return true;
    }

    // Rows came or went: the cells are made again when next asked for.
    void modelChange(QAccessibleTableModelChangeEvent *) override { Olvidar(); }

private:
    QTableView *Vista() const { return static_cast<QTableView *>(widget()); }
    void Olvidar()
    {
        for (const auto &[clave, id] : celdas_)
            QAccessible::deleteAccessibleInterface(id);
        celdas_.clear();
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> celdas_;
};

Tabla *TablaDe(QTableView *vista)
{
    return dynamic_cast<Tabla *>(QAccessible::queryAccessibleInterface(vista));
}

QList<QAccessibleInterface *> Celda::columnHeaderCells() const
{
    Tabla *t = TablaDe(vista_);
    QAccessibleInterface *cabecera = t && fila_ >= 0 ? t->CeldaDe(-1, columna_) : nullptr;
    return cabecera ? QList<QAccessibleInterface *>{cabecera} : QList<QAccessibleInterface *>{};
}

int Celda::columnIndex() const
{
    Tabla *t = TablaDe(vista_);
    return t ? int(t->Visibles().indexOf(columna_)) : -1;
}

} // namespace

QAccessibleInterface *TablaAccesible::Crear(QTableView *vista)
{
    return new Tabla(vista);
}

int TablaAccesible::HijoDe(QTableView *vista, int numeroDeLaVista)
{
    Tabla *t = TablaDe(vista);
    if (!t || !vista->model() || numeroDeLaVista < 0)
        return -1;
    // The view counts a header row and a row-header place in its numbering, shown or not.
    const int ancho = vista->model()->columnCount() + 1;
    return t->Numero(numeroDeLaVista / ancho - 1, numeroDeLaVista % ancho - 1);
}

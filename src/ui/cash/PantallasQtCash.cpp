// The screens of the cash area that other screens open: a cash day's sheet.
#include "ui/common/PantallasQt.h"

#include "cash/frmHojaVenta.h"
#include "ui/cash/frmHojaVentaVista.h"

void PantallasQt::HojaVentaDeCaja(const QString &nombrecierre)
{
    Abrir<frmHojaVenta, frmHojaVentaVista>(nombrecierre);
}

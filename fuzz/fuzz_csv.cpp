#include "intercambio/Csv.h"
#include "intercambio/ValoresOrigen.h"

#include <QByteArray>
#include <cstdlib>
#include <vector>

// Another program's export: any bytes, read as text, rows and values of every kind.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tam)
{
    const QString texto = DecodificarTexto(QByteArray(reinterpret_cast<const char *>(datos), qsizetype(tam)));
    LectorCsv lector(texto);
    std::vector<CampoCsv> campos;
    LectorFechas fechas;
    std::vector<QString> leidos;
    while (lector.Siguiente(campos))
        for (const CampoCsv &c : campos) {
            QString motivo;
            // An amount taken is written back exactly as the same number of cents.
            if (const auto centimos = CentimosOrigen(c.texto, motivo)) {
                QString otra;
                if (CentimosOrigen(TextoCentimos(*centimos), otra) != centimos)
                    std::abort();
            }
            (void)EnteroOrigen(c.texto, motivo);
            // A text taken keeps no control character.
            for (QChar ch : TextoOrigen(c.texto))
                if (ch.category() == QChar::Other_Control)
                    std::abort();
            (void)CampoEscrito(c.texto, lector.Separador(), c.entrecomillado);
            fechas.Observar(c.texto);
            leidos.push_back(c.texto);
        }
    if (fechas.Decidir().isEmpty())
        for (const QString &t : leidos) {
            QString motivo;
            if (const auto f = fechas.Leer(t, motivo); f && !f->isValid())
                std::abort();
        }
    return 0;
}

#pragma once

#include "core/SalidaTickets.h"

#include <QSerialPort>
#include <QString>

// The receipt printer on a serial port. The port is opened and closed for every line, so a
// printer switched off or unplugged costs that line and nothing else.
class SalidaSerie : public SalidaTickets
{
public:
    // puerto: the shop's port number (COMn); parametros: "baud,parity,data bits,stop bits".
    SalidaSerie(int puerto, const QString &parametros);
    void Enviar(const QByteArray &bytes) override;

    // The device of port n: HILVAN_PUERTO_<n> when set, else /dev/ttyS{n-1}; empty for n < 1.
    static QString Dispositivo(int puerto);

    struct Ajustes {
        qint32 baudios = 9600;
        QSerialPort::Parity paridad = QSerialPort::NoParity;
        QSerialPort::DataBits bitsDatos = QSerialPort::Data8;
        QSerialPort::StopBits bitsParada = QSerialPort::OneStop;
    };
    // Reads "9600,n,8,1"; false when the text is not such a setting.
    static bool LeerAjustes(const QString &texto, Ajustes &ajustes);
    // A setting this machine's serial ports can be put in: the usual speeds from 1200 to
    // 115200, and not 1.5 stop bits, which they cannot do at all.
    static bool AjustesUtilizables(const QString &texto);

private:
    QString dispositivo_;
    Ajustes ajustes_;
    bool ajustesValidos_ = false;
};

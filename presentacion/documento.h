#pragma once
// The open calculation together with what the sheets show and the messages
// the program's message window has been asked to show.
#include "engine/documento_motor.h"
#include "presentacion/pantalla.h"

#include <QString>
#include <vector>

namespace tarvia {

struct Mensaje {
    QString titulo;
    QString texto; // lines broken with CR LF
    // The entry that raised it, when a script typed one ("V.1", "1,60").
    QString campo;
    QString textoIntroducido;
};

class Documento : public DocumentoMotor {
public:
    Documento() : DocumentoMotor(pantalla) {}
    // A copy shows on its own display model.
    Documento(const Documento& otro) : DocumentoMotor(pantalla), pantalla(otro.pantalla), mensajes(otro.mensajes)
    {
        calculo = otro.calculo;
    }
    Documento& operator=(const Documento& otro)
    {
        calculo = otro.calculo;
        pantalla = otro.pantalla;
        mensajes = otro.mensajes;
        return *this;
    }

    Pantalla pantalla;
    std::vector<Mensaje> mensajes; // the message window's sink, in order

    void MostrarMensaje(const QString& texto, const QString& titulo) { mensajes.push_back({titulo, texto, {}, {}}); }
};

} // namespace tarvia

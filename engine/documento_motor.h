#pragma once
// The calculation as the engine sees it: the document's values and the view
// its recalculations keep up to date.
#include "core/calculo.h"
#include "engine/vista.h"

#include <array>
#include <cstdint>

namespace tarvia {

class DocumentoMotor {
public:
    DocumentoMotor(const DocumentoMotor&) = delete;
    DocumentoMotor& operator=(const DocumentoMotor&) = delete;

    Calculo calculo;
    // Set while RepartirValores runs: it normalises every value once and its
    // chains and option clicks write only numbers and true/false, so
    // Recalcular may skip its step 1 (otherwise once per field, both columns).
    bool normalizado = false;
    // Also while RepartirValores runs: a box its chains show is only marked,
    // and formatted once at the end from the value stored then (the chains
    // show many boxes several times over; the last showing is what counts).
    struct CajasPendientes {
        enum Marca : std::uint8_t { Ninguna, Mostrar, MostrarConCeros };
        bool activo = false;
        std::array<std::array<std::array<Marca, 55>, 2>, kNumeroDeHojas> marca{};
        Marca& operator()(Hoja h, Columna c, int i)
        {
            return marca[Indice(h)][static_cast<int>(c)].at(static_cast<size_t>(i));
        }
    } pendientes;
    Vista& vista() { return *vista_; }
    const Vista& vista() const { return *vista_; }

protected:
    explicit DocumentoMotor(Vista& vista) : vista_(&vista) {}
    ~DocumentoMotor() = default;

private:
    Vista* vista_;
};

} // namespace tarvia

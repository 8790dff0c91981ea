#pragma once
// The calculation as the engine sees it: the document's values and the view
// its recalculations keep up to date.
#include "core/calculo.h"
#include "engine/vista.h"

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
    Vista& vista() { return *vista_; }
    const Vista& vista() const { return *vista_; }

protected:
    explicit DocumentoMotor(Vista& vista) : vista_(&vista) {}
    ~DocumentoMotor() = default;

private:
    Vista* vista_;
};

} // namespace tarvia

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
    Vista& vista() { return *vista_; }
    const Vista& vista() const { return *vista_; }

protected:
    explicit DocumentoMotor(Vista& vista) : vista_(&vista) {}
    ~DocumentoMotor() = default;

private:
    Vista* vista_;
};

} // namespace tarvia

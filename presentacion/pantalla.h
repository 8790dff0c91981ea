#pragma once
// What every box, frame and label of the sheets shows, headless. The engine
// writes here (as its Vista); the windows only mirror it, and tarvia-calc
// prints it.
#include "engine/vista.h"

#include <QString>
#include <array>
#include <vector>

namespace tarvia {

class Pantalla final : public Vista {
public:
    Pantalla() { Restablecer(); }

    // Design-time state: personal inputs enabled and editable-coloured,
    // everything else disabled; the frames hidden at design time hidden;
    // captions at their fixed texts; no option selected.
    void Restablecer() override;

    Caja& caja(Hoja h, Columna c, int i) override
    {
        return cajas_[Indice(h)][static_cast<int>(c)].at(static_cast<size_t>(i));
    }
    const Caja& caja(Hoja h, Columna c, int i) const override
    {
        return cajas_[Indice(h)][static_cast<int>(c)].at(static_cast<size_t>(i));
    }

    bool& marcoVisible(Marco m, Columna c) override { return marcos_[static_cast<int>(m)][static_cast<int>(c)]; }
    bool marcoVisible(Marco m, Columna c) const override { return marcos_[static_cast<int>(m)][static_cast<int>(c)]; }

    // Option button selected in a pair: 0 none, 1 the first, 2 the second.
    int& opcion(Hoja h, Columna c, int i) override
    {
        return opciones_[Indice(h)][static_cast<int>(c)].at(static_cast<size_t>(i));
    }
    int opcion(Hoja h, Columna c, int i) const override
    {
        return opciones_[Indice(h)][static_cast<int>(c)].at(static_cast<size_t>(i));
    }

    // Captions: the title frame Frame1, the personal frame FrameS, the reference frame FrameO.
    QString& titulo(Hoja h) override { return titulos_[Indice(h)]; }
    const QString& titulo(Hoja h) const { return titulos_[Indice(h)]; }
    QString& marcoPersonal(Hoja h) override { return marcosS_[Indice(h)]; }
    const QString& marcoPersonal(Hoja h) const { return marcosS_[Indice(h)]; }
    QString& marcoReferencia(Hoja h) override { return marcosO_[Indice(h)]; }
    const QString& marcoReferencia(Hoja h) const { return marcosO_[Indice(h)]; }

    // The indirect-costs comment labels LabelComenS / LabelComenO, and whether
    // they have been given their total-mode size and place.
    QString& comentario(Columna c) override { return comentarios_[static_cast<int>(c)]; }
    const QString& comentario(Columna c) const { return comentarios_[static_cast<int>(c)]; }
    bool& comentarioFijado(Columna c) override { return comentarioFijado_[static_cast<int>(c)]; }
    bool comentarioFijado(Columna c) const { return comentarioFijado_[static_cast<int>(c)]; }

private:
    std::array<std::array<std::vector<Caja>, 2>, kNumeroDeHojas> cajas_;
    std::array<std::array<std::vector<int>, 2>, kNumeroDeHojas> opciones_;
    std::array<std::array<bool, 2>, static_cast<int>(Marco::Cuantos)> marcos_{};
    std::array<QString, kNumeroDeHojas> titulos_, marcosS_, marcosO_;
    std::array<QString, 2> comentarios_;
    std::array<bool, 2> comentarioFijado_{};
};

} // namespace tarvia

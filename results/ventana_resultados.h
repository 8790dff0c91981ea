#pragma once
// The results sheet (frmResultados): the yearly cost structure and unit
// costs of both columns, with a pie chart per column. It recomputes on every
// activation and repaint, so what is seen is always current.
#include "presentacion/grafico.h"
#include "sheets/ventana_hoja.h"

#include <array>
#include <vector>

class QLabel;

namespace tarvia {

namespace resultados {
class CuadroTarta;
}
class MarcoHoja;
struct Tarta;

class VentanaResultados final : public VentanaHoja {
    Q_OBJECT
public:
    explicit VentanaResultados(Documento& doc, QWidget* padre = nullptr);

    QSize TamanoTwips() const override;
    PosicionCampo PosicionControlActivo() const override;
    void Refrescar() override;
    // Actualizar, then mirror the labels and redraw both charts.
    void Activar() override;
    void FijarColorTitulo(const QColor& color) override;

    // What is on show, for printing and checks.
    const Tarta& tarta(Columna c) const;
    QWidget* picture(Columna c) const;
    QLabel* valor(Columna c, int i) const;
    QLabel* leyenda(int i) const;
    QWidget* muestra(int i) const;
    // The reference column's tonne-kilometre block (captions and separator).
    const std::vector<QWidget*>& bloqueToneladas() const { return bloqueToneladas_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void ActualizarYMostrar();
    void ConstruirCostes();
    void ConstruirColumna(Columna c);
    void ConstruirEstructura(Columna c, MarcoHoja* marco);
    void ConstruirUnitarios(Columna c, MarcoHoja* marco);
    void RefrescarColumna(Columna c);

    MarcoHoja* marcoTitulo_ = nullptr;
    MarcoHoja* marcoCostes_ = nullptr;
    std::array<MarcoHoja*, 2> marcosColumna_{};
    std::array<std::array<QLabel*, 55>, 2> valores_{}; // one-based, by R index
    std::array<resultados::CuadroTarta*, 2> pictures_{};
    std::array<QWidget*, kPorciones> muestras_{};
    std::array<QLabel*, kPorciones> leyendas_{};
    std::vector<QWidget*> bloqueToneladas_;
    bool actualizando_ = false; // inside Actualizar: its repaints must not start another
};

// How the main window creates this sheet.
VentanaHoja* CrearVentanaResultados(Documento& doc, QWidget* padre);

} // namespace tarvia

#pragma once
// An input sheet built from its layout table: the title frame, the personal
// and reference columns with their frames, labels, boxes and option buttons.
// It mirrors the display model and forwards the personal controls' events to
// the editing logic; it computes nothing itself.
#include "sheets/caja_texto.h"
#include "sheets/diseno_hoja.h"
#include "sheets/ventana_hoja.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <functional>
#include <set>
#include <vector>

namespace tarvia {

class MarcoHoja;

class HojaDisenada : public VentanaHoja, private ReceptorCaja {
    Q_OBJECT
public:
    HojaDisenada(Documento& doc, const DisenoHoja& diseno, QWidget* padre = nullptr);

    QSize TamanoTwips() const override { return diseno_.tamano; }
    PosicionCampo PosicionControlActivo() const override;
    void Refrescar() override;
    void FijarColorTitulo(const QColor& color) override;

    // The personal control that had the focus last (what the sheet gives the
    // focus back to), or the first one the user can reach.
    QWidget* ControlActivo() const;
    // Commits the field being edited as leaving it would, and takes it up
    // again for editing (a menu opening, the program closing).
    void ConfirmarEdicion();

    // Text box of field i in a column (nullptr where the sheet has none).
    QLineEdit* Caja(Columna c, int indice) const;
    QRadioButton* Opcion(Columna c, int indice, int boton) const;
    MarcoHoja* MarcoTitulo() const { return titulo_; }
    MarcoHoja* MarcoColumna(Columna c) const { return columnas_[static_cast<int>(c)]; }
    // Label widgets of a column, in table order (hidden ones included).
    const std::vector<QWidget*>& Etiquetas(Columna c) const { return etiquetas_[static_cast<int>(c)]; }

protected:
    bool eventFilter(QObject* objeto, QEvent* ev) override;

private:
    struct Columnas {
        std::vector<QLineEdit*> cajas; // by field index
        std::vector<std::array<QRadioButton*, 2>> opciones;
        std::vector<std::pair<Marco, QWidget*>> conmutados;
        std::vector<std::pair<int, QWidget*>> etiquetasDeCaja; // labels following a box
    };

    // One column's controls, built from the layout tables in named steps.
    void Construir(Columna c);
    using OrigenDeMarco = std::function<QPoint(int)>; // a frame's offset in its column, twips
    std::vector<QPoint> ConstruirMarcos(Columna c);
    void ConstruirEtiquetas(Columna c);
    void ConstruirCajas(Columna c, const OrigenDeMarco& OrigenDe);
    void ConstruirOpciones(Columna c, const OrigenDeMarco& OrigenDe);
    void ConectarOpciones(Columna c);
    void FijarOrdenTab();
    QWidget* MarcoPadre(Columna c, int id) const;

    void AlEntrar(CajaTexto& caja) override;
    bool AlPulsar(CajaTexto& caja, QKeyEvent& ev) override;
    void AlSalir(CajaTexto& caja) override;
    void AlPegar(CajaTexto& caja, const QString& texto) override;
    void TrasCambio();
    void AnotarDescuento(CajaTexto& caja, bool aceptado, const Valor& antes);
    std::set<int> descuentosAvisados_; // prices whose discount has been pointed out

    const DisenoHoja& diseno_;
    MarcoHoja* titulo_ = nullptr;
    std::array<MarcoHoja*, 2> columnas_{};
    std::array<std::vector<MarcoHoja*>, 2> marcos_; // by table position
    std::array<std::vector<QWidget*>, 2> etiquetas_;
    std::array<Columnas, 2> col_;
    // Offsets of each control from the outermost frame, for the scrolling rules.
    std::vector<QPoint> desplazamientoCaja_;
    std::vector<std::array<QPoint, 2>> desplazamientoOpcion_;
    QWidget* activo_ = nullptr;
};

} // namespace tarvia

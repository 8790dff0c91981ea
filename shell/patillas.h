#pragma once
// The strip of sheet buttons at the top of the main window.
#include "core/hojas.h"

#include <QPushButton>
#include <QWidget>
#include <array>

class QLabel;

namespace tarvia {

class MarcoHoja;

// A button whose face colour can be set and whose caption wraps.
class BotonPatilla : public QPushButton {
    Q_OBJECT
public:
    BotonPatilla(const QString& titulo, QWidget* padre);
    void FijarCara(const QColor& color);
    QColor Cara() const;
    QString Titulo() const;

private:
    QLabel* texto_;
};

class Patillas : public QWidget {
    Q_OBJECT
public:
    explicit Patillas(QWidget* padre = nullptr);

    BotonPatilla* Boton(Hoja h) const { return hojas_[static_cast<size_t>(Indice(h))]; }
    BotonPatilla* cmbCerrar() const { return cerrar_; }
    BotonPatilla* cmbGrabar() const { return grabar_; }
    MarcoHoja* FrameTodos() const { return todos_; }

signals:
    void hojaPulsada(tarvia::Hoja h);
    void cerrarPulsado();
    void grabarPulsado();

private:
    std::array<BotonPatilla*, kNumeroDeHojas> hojas_{};
    BotonPatilla* cerrar_ = nullptr;
    BotonPatilla* grabar_ = nullptr;
    MarcoHoja* todos_ = nullptr;
};

} // namespace tarvia

#pragma once
// The last calculations opened or saved, kept in the user's settings and
// listed at the end of the "Cálculo" menu.
#include <QString>
#include <QStringList>

class QSettings;

namespace tarvia {

class Recientes {
public:
    static constexpr int kCuantos = 8;

    // `ajustes`: where the list is kept (the user's settings; a file in tests).
    explicit Recientes(QSettings& ajustes) : ajustes_(ajustes) {}

    QStringList Lista() const;
    // To the top of the list, once; the oldest beyond eight drops out.
    void Anadir(const QString& ruta);
    void Quitar(const QString& ruta);

private:
    QSettings& ajustes_;
};

} // namespace tarvia

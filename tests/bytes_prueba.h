#pragma once
// A file's bytes, read and written as they are, for the file tests.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace tarvia::prueba {

inline QByteArray Contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Guardar(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace tarvia::prueba

#pragma once
// Shared by the widget tests: a loaded document, captured messages, and
// answering modal windows from a timer so that no test can hang.
#include "core/archivo.h"
#include "engine/abrir.h"
#include "presentacion/documento.h"
#include "shell/frm_mensaje.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace tarvia::prueba {

inline QString DirectorioPrograma() { return QStringLiteral(TARVIA_BIN_DIR); }

// Pages of a PDF file as written: its page objects.
inline int PaginasPdf(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(pagina));
}

inline void PrepararDocumento(Documento& doc)
{
    doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    InicializarCalculo(doc.calculo);
    doc.pantalla.Restablecer();
}

inline void CargarReferencia(Documento& doc, const char* tipo = "Articulado Carga General")
{
    PrepararDocumento(doc);
    const QString ruta =
        DirectorioPrograma() + QStringLiteral("/Baremario/") + QString::fromUtf8(tipo) + QStringLiteral(".brm");
    ASSERT_EQ(LeerArchivo(doc, ruta), FalloArchivo::Ninguno) << ruta.toStdString();
}

// Gives the box the focus as a click would, and waits for it.
inline void Enfocar(QWidget* w, Qt::FocusReason motivo = Qt::MouseFocusReason)
{
    w->setFocus(motivo);
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }));
}

// Replaces the box's text as the user types it, then presses `fin` if any.
inline void Teclear(QLineEdit* caja, const QString& texto, Qt::Key fin = Qt::Key_unknown)
{
    Enfocar(caja);
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_Backspace);
    QTest::keyClicks(caja, texto);
    if (fin != Qt::Key_unknown)
        QTest::keyClick(caja, fin);
}

// Every message shown while it lives, in order.
struct MensajesCapturados {
    struct M {
        QString texto, titulo;
    };
    std::vector<M> lista;
    MensajesCapturados()
    {
        FijarReceptorMensajes([this](const QString& t, const QString& ti) { lista.push_back({t, ti}); });
    }
    ~MensajesCapturados() { FijarReceptorMensajes({}); }
};

// Answers still waiting when a test ends must not reach the next test.
inline int& GeneracionModal()
{
    static int generacion = 0;
    return generacion;
}
inline void OlvidarModalesPendientes() { ++GeneracionModal(); }

// Runs `accion` on the next modal window that opens (within two seconds).
inline void AlAbrirModal(std::function<void(QWidget*)> accion, int intentos = 200)
{
    const int generacion = GeneracionModal();
    QTimer::singleShot(10, [accion = std::move(accion), intentos, generacion]() mutable {
        if (generacion != GeneracionModal())
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            accion(modal);
            return;
        }
        if (intentos > 0)
            AlAbrirModal(std::move(accion), intentos - 1);
    });
}

// A modal window still open after three seconds is a test fault: reject it.
class GuardiaModal {
public:
    GuardiaModal()
    {
        temporizador_.setInterval(3000);
        QObject::connect(&temporizador_, &QTimer::timeout, [] {
            if (auto* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "ventana modal sin respuesta: " << modal->objectName().toStdString();
                modal->close();
            }
        });
        temporizador_.start();
    }
    ~GuardiaModal() { OlvidarModalesPendientes(); }

private:
    QTimer temporizador_;
};

} // namespace tarvia::prueba

#include "shell/ayuda_contexto.h"

#include "shell/visor_ayuda.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QWidget>

namespace tarvia {

const std::vector<TemaVentana>& TemasDeVentanas()
{
    static const std::vector<TemaVentana> t = {
        {"frmMain", "index.htm"},
        {"frmCaracteristicas", "caracteristicas.htm"},
        {"frmCostesFijos1", "traccion.htm"},
        {"frmCostesFijos2", "semirremolque.htm"},
        {"frmCostesFijos3", "personal.htm"},
        {"frmCostesVariables", "variables.htm"},
        {"frmCostesIndirectos", "indirectos.htm"},
        {"frmResultados", "resultados.htm"},
        {"frmServicio", "servicio.htm"},
        {"frmComparar", "analisis_comparar.htm"},
        {"frmSensibilidad", "analisis_sensibilidad.htm"},
        {"frmRevision", "analisis_revision.htm"},
        {"frmRevisionLista", "analisis_revision.htm"},
        {"frmPreciosGasoleo", "analisis_revision.htm"},
        {"frmPresupuesto", "analisis_presupuesto.htm"},
        {"frmTipoVeh", "primeros_pasos.htm"},
        {"frmNueva", "primeros_pasos.htm"},
        {"frmArchivo", "primeros_pasos.htm"},
        {"frmPreguntaGrabar", "primeros_pasos.htm"},
        {"frmAbout", "index.htm"},
    };
    return t;
}

const std::vector<TemaCampo>& TemasDeCampos()
{
    static const std::vector<TemaCampo> t = {
        {"C(1)", "caracteristicas.htm#descripcion"},
        {"C(2)", "caracteristicas.htm#potencia"},
        {"C(3)", "caracteristicas.htm#mma"},
        {"C(4)", "caracteristicas.htm#carga_util"},
        {"C(5)", "caracteristicas.htm#ejes"},
        {"C(6)", "caracteristicas.htm#explotacion"},
        {"C(7)", "caracteristicas.htm#km_anuales"},
        {"C(8)", "caracteristicas.htm#km_carga"},
        {"C(12)", "caracteristicas.htm#horas_anuales"},
        {"C(13)", "caracteristicas.htm#horas_carga"},
        {"C(17)", "caracteristicas.htm#dias"},
        {"C(19)", "caracteristicas.htm#carga_media"},
        {"F1(2)", "traccion.htm#tarifa"},
        {"F1(3)", "traccion.htm#descuento"},
        {"F1(5)", "traccion.htm#vida_util"},
        {"F1(6)", "traccion.htm#residual"},
        {"F1(8)", "traccion.htm#financiado"},
        {"F1(10)", "traccion.htm#periodo"},
        {"F1(11)", "traccion.htm#interes"},
        {"F1(23)", "traccion.htm#neumaticos"},
    };
    return t;
}

namespace {

QString PaginaDe(const QString& nombre)
{
    for (const TemaVentana& t : TemasDeVentanas())
        if (nombre == QLatin1String(t.ventana))
            return QString::fromLatin1(t.pagina);
    return {};
}

// "TextSC(7)" and "TextOC(7)" are the same field's two columns.
QString CampoDe(const QString& nombre)
{
    static const QRegularExpression caja(QStringLiteral(R"(^Text[SO](\w+\(\d+\))$)"));
    const QRegularExpressionMatch m = caja.match(nombre);
    if (!m.hasMatch())
        return {};
    for (const TemaCampo& t : TemasDeCampos())
        if (m.captured(1) == QLatin1String(t.caja))
            return QString::fromLatin1(t.tema);
    return {};
}

} // namespace

QString TemaDeAyuda(const QWidget* w)
{
    QString campo;
    for (; w; w = w->parentWidget()) {
        if (campo.isEmpty())
            campo = CampoDe(w->objectName());
        const QString pagina = PaginaDe(w->objectName());
        if (pagina.isEmpty())
            continue;
        // A field's entry only in its own sheet's page.
        return campo.startsWith(pagina + QLatin1Char('#')) ? campo : pagina;
    }
    return {};
}

QString TemaDelFrente()
{
    if (QWidget* foco = QApplication::focusWidget())
        return TemaDeAyuda(foco);
    return TemaDeAyuda(QApplication::activeWindow());
}

VisorAyuda* AbrirAyudaEn(QWidget* principal, const AvisoAyuda& avisar, const QString& carpeta, const QString& tema)
{
    VisorAyuda* visor = AbrirAyuda(principal, avisar, carpeta);
    if (visor && !tema.isEmpty())
        visor->MostrarTema(tema);
    return visor;
}

TeclaAyuda::TeclaAyuda(AvisoAyuda avisar, QString carpeta, QObject* padre)
    : QObject(padre), avisar_(std::move(avisar)), carpeta_(std::move(carpeta))
{
}

bool TeclaAyuda::eventFilter(QObject* objeto, QEvent* ev)
{
    if (ev->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(ev)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(ev)->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(objeto, ev);
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w)
        return QObject::eventFilter(objeto, ev);
    QWidget* ventana = w->window();
    if (qobject_cast<VisorAyuda*>(ventana))
        return false; // the help window has nothing of its own to explain
    // Owned by the window in front: a modal dialog does not block its own children.
    AbrirAyudaEn(ventana, avisar_, carpeta_, TemaDeAyuda(w));
    return true;
}

} // namespace tarvia

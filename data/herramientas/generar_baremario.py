#!/usr/bin/env python3
"""Writes the twenty reference data files and the example calculation.

Source: data/fuentes/baremario.tsv, one row per input field in file order
(sheet, index, one column per vehicle type, a comment). Each file holds the
same values in the personal and the reference column: a new calculation
starts as a copy of its reference.

    python3 data/herramientas/generar_baremario.py            # write the files
    python3 data/herramientas/generar_baremario.py --tabla    # README table
    python3 data/herramientas/generar_baremario.py --tabla --calc build/bin/tarvia-calc

Without --calc the cost per kilometre is an estimate by the program's own
formulas; with it, the figure the program computes after loading the file.
Python 3 standard library only.
"""
import argparse
import csv
import json
import math
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

DATOS = Path(__file__).resolve().parent.parent
FUENTE = DATOS / "fuentes" / "baremario.tsv"
SALIDA = DATOS / "Baremario"
CALCULOS = DATOS / "Cálculos"
FECHA_REFERENCIA = "2026-11-30"

TEXTOS = {("C", 1), ("C", 6)}
OPCIONES = {("F1", 1), ("F2", 1), ("F2", 13), ("F3", 2), ("F3", 9), ("F3", 19), ("I", 1)}
SEGUROS = (10, 11, 12, 13, 14, 15, 16, 29, 30, 31, 17)
FISCALES = tuple(range(20, 28))

# A user's own calculation: a reference type with some personal values changed.
EJEMPLOS = {
    "Mi articulado.trv": {
        "tipo": "Articulado Carga General",
        "fecha": "2026-12-15",
        "cambios": {
            ("C", 1): "Mi articulado de carga general",
            ("C", 7): 105000,      # fewer kilometres than the reference
            ("C", 8): 85,
            ("V", 1): 1.489,       # own fuel card price
            ("V", 3): 0.1,
            ("V", 7): 30.2,
            ("S", 2): 120,         # one service: Madrid - Valencia and back
            ("S", 3): 720,
            ("S", 4): 12,
        },
    },
}


def leer_fuente():
    """Types in column order and, per type, {(sheet, index): text}."""
    with open(FUENTE, encoding="utf-8", newline="") as f:
        filas = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    cabecera, filas = filas[0], [f for f in filas[1:] if f and f[0]]
    tipos = cabecera[2:-1]
    campos = [(f[0], int(f[1])) for f in filas]
    if len(campos) != 127 or len(set(campos)) != 127:
        sys.exit("baremario.tsv: se esperan 127 campos de entrada distintos")
    datos = {}
    for col, tipo in enumerate(tipos, start=2):
        datos[tipo] = {campo: fila[col].strip() for campo, fila in zip(campos, filas)}
    return tipos, campos, datos


def valor(campo, texto):
    """The value of a field as Python: str, bool or float."""
    if campo in TEXTOS:
        return texto
    if campo in OPCIONES:
        if texto not in ("#TRUE#", "#FALSE#"):
            sys.exit(f"{campo}: se espera #TRUE# o #FALSE#, no {texto!r}")
        return texto == "#TRUE#"
    return float(texto)


def numero(x):
    """Plain decimal notation with '.', no grouping, shortest digits."""
    if x == int(x) and abs(x) < 1e15:
        return str(int(x))
    t = repr(float(x))
    if "e" in t:
        sys.exit(f"número fuera de escala: {x}")
    return t


def linea(campo, v):
    if campo in TEXTOS:
        if '"' in v:
            sys.exit(f"{campo}: un texto no puede llevar comillas dobles")
        return f'"{v}"'
    if campo in OPCIONES:
        return "#TRUE#" if v else "#FALSE#"
    return numero(v)


def escribir(ruta, campos, personal, referencia, fecha_personal):
    lineas = [linea(c, personal[c]) for c in campos] + [f"#{fecha_personal}#"]
    lineas += [linea(c, referencia[c]) for c in campos] + [f"#{FECHA_REFERENCIA}#"]
    assert len(lineas) == 256
    ruta.write_bytes(("\r\n".join(lineas) + "\r\n").encode("cp1252"))


# --- Checks the program makes at entry -------------------------------------

def revisar(nombre, v):
    """The cross-field rules; the field limits are checked by the C++ tests."""
    g = lambda h, i: v[(h, i)]
    fallos = []
    ruedas_tr = g("V", 16) * g("V", 17) + g("V", 19) * g("V", 20) + g("V", 22) * g("V", 23)
    if (100 - g("F1", 3)) * g("F1", 2) / 100 - ruedas_tr * g("F1", 23) / 100 < 0:
        fallos.append("neumáticos del vehículo más caros que el vehículo")
    if (100 - g("F2", 3)) * g("F2", 2) / 100 - g("V", 25) * g("V", 26) * g("F2", 25) / 100 < 0:
        fallos.append("neumáticos del semirremolque más caros que el semirremolque")
    for i in (16, 19, 22, 25):
        if round(g("V", i)) % 2:
            fallos.append(f"número impar de neumáticos en V({i})")
    for precio, dto in ((1, 3), (35, 37), (8, 10)):
        if g("V", precio) > 0 and not 0 <= g("V", dto) <= g("V", precio) * 0.6:
            fallos.append(f"descuento V({dto}) fuera del 0-60 % de V({precio})")
    if g("V", 41) > g("V", 1):
        fallos.append("devolución por gasóleo profesional mayor que el precio")
    if g("C", 17) > 0 and g("C", 12) / g("C", 17) > 24:
        fallos.append("más de 24 horas por jornada")
    if not 1 <= len(g("C", 1)) <= 55 or len(g("C", 6)) > 45:
        fallos.append("descripción vacía o más larga que su casilla (55 y 45 caracteres)")
    if g("F3", 2) and abs(g("F3", 8) - (g("F3", 3) * g("F3", 4) + g("F3", 6) * g("C", 7))) > 0.005:
        fallos.append("F3(8) no es la suma de dietas y plus")
    for total, partes, opcion in ((18, SEGUROS, 9), (28, FISCALES, 19)):
        if g("F3", opcion) and abs(g("F3", total) - sum(g("F3", i) for i in partes)) > 0.005:
            fallos.append(f"F3({total}) no es la suma de sus partes")
    if g("I", 1) and abs(g("I", 5) - g("I", 2) - g("I", 3) - g("I", 4)) > 0.005:
        fallos.append("I(5) no es la suma de sus partes")
    if fallos:
        sys.exit(f"{nombre}: " + "; ".join(fallos))


# --- Estimate of the cost per kilometre, by the results sheet's formulas ----

def redondear(x, n):
    return float(Decimal(repr(x)).quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP))


def intereses(capital, interes, anios, vida):
    r = interes / 100
    q = (1 + r) ** anios
    cuota = capital * r * q / (q - 1)
    return (anios * cuota - capital) / vida


def coste_km(v):
    g = lambda h, i: v[(h, i)]
    km = g("C", 7)
    # Purchase figures (derived fields of sheets F1 and F2).
    ruedas_tr = g("V", 16) * g("V", 17) + g("V", 19) * g("V", 20) + g("V", 22) * g("V", 23)
    adq = redondear(g("F1", 2) * (100 - g("F1", 3)) / 100, 2)
    sin_ruedas = max(0.0, adq - redondear(ruedas_tr * g("F1", 23) / 100, 2))
    carrozado = redondear(g("F1", 13) * (100 - g("F1", 14)) / 100, 2)
    semi = redondear(g("F2", 2) * (100 - g("F2", 3)) / 100, 2)
    semi_sin_ruedas = max(0.0, semi - redondear(g("V", 25) * g("V", 26) * g("F2", 25) / 100, 2))
    equipo = redondear(g("F2", 14) * (100 - g("F2", 15)) / 100, 2)

    amort = fin = 0.0
    if g("F1", 1):
        amort += max(0.0, (sin_ruedas - g("F1", 2) * g("F1", 6) / 100) / g("F1", 5))
        if g("F1", 13) > 0:
            amort += max(0.0, (carrozado - g("F1", 13) * g("F1", 17) / 100) / g("F1", 16))
        if g("F1", 8) > 0:
            fin += intereses(adq * g("F1", 8) / 100, g("F1", 11), g("F1", 10), g("F1", 5))
        if g("F1", 19) > 0 and g("F1", 13) > 0:
            fin += intereses(carrozado * g("F1", 19) / 100, g("F1", 22), g("F1", 21), g("F1", 16))
    else:
        amort += g("F1", 12)
    if not g("F2", 1):
        amort += g("F2", 12)
    elif g("F2", 2) > 0:
        amort += max(0.0, (semi_sin_ruedas - g("F2", 2) * g("F2", 6) / 100) / g("F2", 5))
        if g("F2", 8) > 0:
            fin += intereses(semi * g("F2", 8) / 100, g("F2", 11), g("F2", 10), g("F2", 5))
    if not g("F2", 13):
        amort += g("F2", 24)
    elif g("F2", 14) > 0:
        amort += max(0.0, (equipo - g("F2", 14) * g("F2", 18) / 100) / g("F2", 17))
        if g("F2", 20) > 0:
            fin += intereses(equipo * g("F2", 20) / 100, g("F2", 23), g("F2", 22), g("F2", 17))

    sin_iva = lambda p, d, iva: (p - d) / (iva / 100 + 1)
    litros_es = g("V", 7) * km * g("V", 33) / 10000
    neto_es = sin_iva(g("V", 1), g("V", 3), g("V", 4))
    if g("C", 3) >= 7500:
        tramo = min(litros_es, 50000)
        parte_es = max(0.0, litros_es * neto_es - tramo * g("V", 41))
    else:
        parte_es = litros_es * neto_es
    parte_ext = sin_iva(g("V", 35), g("V", 37), g("V", 38)) * g("V", 7) * km * (100 - g("V", 33)) / 10000
    parte_equipo = sin_iva(g("V", 8), g("V", 10), g("V", 11)) * g("V", 14) * g("V", 15)
    combustible = parte_es + parte_ext + parte_equipo

    neum = sum(g("V", n) * g("V", p) / g("V", d) for n, p, d in ((16, 17, 18), (19, 20, 21), (22, 23, 24)))
    if not g("F2", 1) or g("F2", 2) > 0:
        neum += g("V", 25) * g("V", 26) / g("V", 27)

    temporales = amort + fin + g("F3", 1) + g("F3", 18) + g("F3", 28)
    kilometricos = (combustible + g("V", 42) + neum * km + (g("V", 28) + g("V", 30)) * km
                    + g("F3", 8) + g("V", 32))
    return redondear((temporales + kilometricos + g("I", 5)) / km, 4)


def coste_km_programa(calc, ruta):
    """R(43) of the reference column as the program computes it."""
    salida = subprocess.run([calc, "--formato", "json", str(ruta)], check=True,
                            capture_output=True, text=True).stdout
    return float(json.loads(salida)["referencia"]["R"]["43"])


def tabla(tipos, datos, calc):
    print("| Tipo | km/año | Tractora o rígido (€) | Semirremolque o remolque (€) "
          "| Consumo (l/100 km) | C1 (€/km) |")
    print("|---|---:|---:|---:|---:|---:|")
    for tipo in tipos:
        v = datos[tipo]
        c1 = coste_km_programa(calc, SALIDA / f"{tipo}.brm") if calc else coste_km(v)
        semi = v[("F2", 2)]
        print(f"| {v[('C', 1)]} | {miles(v[('C', 7)])} | {miles(v[('F1', 2)])} "
              f"| {miles(semi) if semi else '–'} | {v[('V', 7)]:.1f} | {c1:.4f} |".replace(".", ",")
              .replace(";", "."))


def miles(x):
    """Thousands grouped with '.', as a Spanish reader expects (';' until the
    decimal points become commas)."""
    return f"{int(x):,}".replace(",", ";")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--tabla", action="store_true", help="imprime la tabla del README")
    ap.add_argument("--calc", help="ruta de tarvia-calc para el coste por kilómetro")
    args = ap.parse_args()

    tipos, campos, fuente = leer_fuente()
    datos = {t: {c: valor(c, fuente[t][c]) for c in campos} for t in tipos}
    for tipo in tipos:
        revisar(tipo, datos[tipo])

    if args.tabla:
        tabla(tipos, datos, args.calc)
        return

    SALIDA.mkdir(exist_ok=True)
    for tipo in tipos:
        escribir(SALIDA / f"{tipo}.brm", campos, datos[tipo], datos[tipo], FECHA_REFERENCIA)
    CALCULOS.mkdir(exist_ok=True)
    for nombre, ej in EJEMPLOS.items():
        referencia = datos[ej["tipo"]]
        personal = dict(referencia)
        for campo, x in ej["cambios"].items():
            personal[campo] = x if campo in TEXTOS else float(x)
        if personal[("F3", 2)]:  # the program keeps the diets total in step with the kilometres
            personal[("F3", 8)] = redondear(personal[("F3", 3)] * personal[("F3", 4)], 2) + \
                redondear(personal[("F3", 6)] * personal[("C", 7)], 2)
        revisar(nombre, personal)
        escribir(CALCULOS / nombre, campos, personal, referencia, ej["fecha"])
    print(f"{len(tipos)} archivos en {SALIDA}, {len(EJEMPLOS)} en {CALCULOS}")


if __name__ == "__main__":
    main()

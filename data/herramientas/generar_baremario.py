#!/usr/bin/env python3
"""Writes the twenty reference data files and the example calculation.

Source: data/fuentes/baremario.tsv, one row per input field in file order
(sheet, index, one column per vehicle type, a comment). Each file holds the
same values in the personal and the reference column: a new calculation
starts as a copy of its reference.

    python3 data/herramientas/generar_baremario.py            # write the files
    python3 data/herramientas/generar_baremario.py --tabla    # README table
    python3 data/herramientas/generar_baremario.py --tabla --calc build/bin/tarvia-calc
    python3 data/herramientas/generar_baremario.py --comprobar --calc build/bin/tarvia-calc

Which fields are texts and options, and the groups of fields (insurance and
tax parts, tyres, fuels), come from tarvia-calc --campos --formato json: the
program given with --calc, or build/bin/tarvia-calc. Without --calc the cost
per kilometre is an estimate by the program's own formulas; with it, the
figure the program computes after loading the file.
--comprobar writes nothing: it fails when the files differ from what the
source gives, when the general-cargo articulated vehicle strays from the
published figures, or when a type's cost per kilometre leaves its group's band. Python 3 standard library only.
"""
import argparse
import csv
import json
import math
import subprocess
import sys
import tempfile
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

DATOS = Path(__file__).resolve().parent.parent
FUENTE = DATOS / "fuentes" / "baremario.tsv"
SALIDA = DATOS / "Baremario"
CALCULOS = DATOS / "Cálculos"
# The data's own date: July 2025 prices, with the 44-tonne rule in force since this day.
FECHA_REFERENCIA = "2025-10-23"
# Tankers took 44 t three months later than the rest; their figures are the
# same July 2025 prices, so only the date moves.
FECHA_CISTERNAS = "2026-01-23"


def fecha_de(tipo):
    return FECHA_CISTERNAS if tipo.startswith("Cisterna ") else FECHA_REFERENCIA

PROGRAMA = DATOS.parent / "build" / "bin" / "tarvia-calc"
# Field kinds and groups as the program declares them, read from
# tarvia-calc --campos --formato json by leer_campos().
TEXTOS, OPCIONES = set(), set()
GRUPOS = {}

# A user's own calculation: a reference type with some personal values changed.
EJEMPLOS = {
    "Mi articulado.trv": {
        "tipo": "Articulado Carga General",
        "fecha": "2026-12-01",
        "cambios": {
            ("C", 1): "Mi articulado de carga general",
            ("C", 7): 105000,      # fewer kilometres than the reference
            ("C", 8): 88,
            ("V", 1): 1.489,       # own fuel card price
            ("V", 3): 0.1,
            ("V", 7): 36.0,
            ("S", 2): 120,         # one service: Madrid - Valencia and back
            ("S", 3): 720,
            ("S", 4): 12,
        },
    },
}


# --- Rules the source follows (data/README.md explains each one) -----------

ARTICULADO = "Articulado Carga General"
# Published Spanish cost figures for a 40-tonne general-cargo articulated
# vehicle (July 2024 / July 2025 editions), and how far ours may stray.
PUBLICADO = {"total": (156952, 0.05), "C1": (1.32, 0.05),
             "neumaticos": (6963, 0.10), "mantenimiento": (2294, 0.10), "reparaciones": (4516, 0.10)}
TALLER_40T = (0.0191, 0.0376)        # maintenance and repairs, EUR/km
TALLER_INTERNACIONAL = (0.0182, 0.0358)
# Above 40 t: (fuel, workshop) factors; 46 t scales the 44-tonne effect by 6/4.
PESO = {40: (1.0, 1.0), 44: (1.08, 1.05), 46: (1.12, 1.075)}
NEUMATICOS = {"22,5": (716, 150000), "17,5": (430, 120000), "16": (143, 60000), "obra": (823, 75000)}
INDIRECTOS = 0.065                   # share of the direct costs
# Plausible cost per kilometre (C1, EUR/km) of each group of types, and of
# the indirect costs as a share of the direct ones, in every type.
BANDAS_C1 = {
    (1.05, 1.55): ("Articulado Carga General", "Articulado Internacional", "Tren Carretera", "Portacontenedores"),
    (1.00, 1.70): ("3 Ejes Carga General", "2 Ejes Carga General", "2 Ejes Distribucion", "3 Ejes Animales"),
    (0.85, 1.50): ("Furgoneta",),
    (1.10, 1.70): ("Frigorifico Articulado", "Frigorifico Internacional", "Frigorifico 2 Ejes"),
    (1.15, 1.70): ("Cisterna Quimicos", "Cisterna Gases", "Cisterna Alimentacion", "Cisterna Pulverulentos"),
    (1.20, 2.20): ("Portavehiculos", "Portavehiculos Industriales", "Volquete Graneles", "Volquete Obra"),
}
BANDA_INDIRECTOS = (0.03, 0.12)

# Per type: mass rule (40, 44 or 46; 0 = rigid, no change), consumption at
# 40 t (l/100 km), workshop factor, tyre size ("vehicle+semitrailer" when they
# differ), international workshop basis.
TIPOS = {
    "Articulado Carga General": (44, 34.5, 1.00, "22,5", False),
    "Articulado Internacional": (40, 33.4, 1.00, "22,5", True),
    "Tren Carretera": (44, 36.1, 1.05, "22,5", False),
    "3 Ejes Carga General": (0, 29.6, 0.85, "22,5", False),
    "2 Ejes Carga General": (0, 25.2, 0.75, "22,5", False),
    "2 Ejes Distribucion": (0, 21.9, 0.80, "17,5", False),
    "Furgoneta": (0, 10.4, 0.40, "16", False),
    "Frigorifico Articulado": (44, 35.0, 1.10, "22,5", False),
    "Frigorifico Internacional": (40, 34.0, 1.10, "22,5", True),
    "Frigorifico 2 Ejes": (0, 27.4, 0.85, "22,5", False),
    "Cisterna Quimicos": (44, 35.0, 1.05, "22,5", False),
    "Cisterna Gases": (44, 35.0, 1.05, "22,5", False),
    "Cisterna Alimentacion": (44, 35.0, 1.05, "22,5", False),
    "Cisterna Pulverulentos": (44, 36.1, 1.10, "22,5", False),
    "Portavehiculos": (40, 36.1, 1.10, "17,5", False),
    "Portavehiculos Industriales": (44, 43.8, 1.30, "22,5+17,5", False),
    "Volquete Graneles": (44, 36.1, 1.15, "22,5", False),
    "Volquete Obra": (0, 46.0, 1.60, "obra", False),
    "3 Ejes Animales": (0, 32.9, 0.95, "22,5", False),
    "Portacontenedores": (46, 35.0, 1.00, "22,5", False),
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


def escribir(ruta, campos, personal, referencia, fecha_personal, fecha_referencia=None):
    lineas = [linea(c, personal[c]) for c in campos] + [f"#{fecha_personal}#"]
    lineas += [linea(c, referencia[c]) for c in campos] + [f"#{fecha_referencia or fecha_personal}#"]
    assert len(lineas) == 256
    ruta.write_bytes(("\r\n".join(lineas) + "\r\n").encode("cp1252"))


# --- Checks the program makes at entry -------------------------------------

def leer_campos(calc):
    """Which fields are texts and options, and the groups the program walks."""
    try:
        salida = subprocess.run([str(calc), "--campos", "--formato", "json"], check=True,
                                capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit(f"no se pueden leer los campos del programa con {calc} ({e}); compílelo o indique --calc")
    datos = json.loads(salida)
    TEXTOS.update((c["hoja"], c["indice"]) for c in datos["campos"] if c["clase"] == "texto")
    OPCIONES.update((c["hoja"], c["indice"]) for c in datos["campos"] if c["clase"].startswith("opción"))
    GRUPOS.update(datos["grupos"])


def neumaticos():
    """The tractor's tyre groups and the semitrailer's, each (number, price, life)."""
    grupos = [(g["nombre"], tuple(tuple(g[k]) for k in ("numero", "precio", "duracion")))
              for g in GRUPOS["neumaticos"]]
    return [c for n, c in grupos if n != "semirremolque"], next(c for n, c in grupos if n == "semirremolque")


def revisar(nombre, v):
    """The cross-field rules; the field limits are checked by the C++ tests."""
    g = lambda h, i: v[(h, i)]
    fallos = []
    v_ = lambda campo: v[campo]
    tractor, semi = neumaticos()
    ruedas_tr = sum(v_(n) * v_(p) for n, p, _ in tractor)
    if (100 - g("F1", 3)) * g("F1", 2) / 100 - ruedas_tr * g("F1", 23) / 100 < 0:
        fallos.append("neumáticos del vehículo más caros que el vehículo")
    if (100 - g("F2", 3)) * g("F2", 2) / 100 - v_(semi[0]) * v_(semi[1]) * g("F2", 25) / 100 < 0:
        fallos.append("neumáticos del semirremolque más caros que el semirremolque")
    for numero, _, _ in tractor + [semi]:
        if round(v_(numero)) % 2:
            fallos.append(f"número impar de neumáticos en {numero[0]}({numero[1]})")
    for c in GRUPOS["carburantes"]:
        precio, dto = tuple(c["precio"]), tuple(c["descuento"])
        if v_(precio) > 0 and not 0 <= v_(dto) <= v_(precio) * 0.6:
            fallos.append(f"descuento V({dto[1]}) fuera del 0-60 % de V({precio[1]})")
    if g("V", 41) > g("V", 1):
        fallos.append("devolución por gasóleo profesional mayor que el precio")
    if g("C", 17) > 0 and g("C", 12) / g("C", 17) > 24:
        fallos.append("más de 24 horas por jornada")
    if not 1 <= len(g("C", 1)) <= 55 or len(g("C", 6)) > 45:
        fallos.append("descripción vacía o más larga que su casilla (55 y 45 caracteres)")
    if g("F3", 2) and abs(g("F3", 8) - (g("F3", 3) * g("F3", 4) + g("F3", 6) * g("C", 7))) > 0.005:
        fallos.append("F3(8) no es la suma de dietas y plus")
    for grupo in GRUPOS["desglosables"]:
        if grupo["nombre"] == "dietas":  # a product, checked above
            continue
        opcion, total = tuple(grupo["opcion"]), tuple(grupo["total"])
        if v_(opcion) and abs(v_(total) - sum(v_(tuple(p)) for p in grupo["partes"])) > 0.005:
            fallos.append(f"{total[0]}({total[1]}) no es la suma de sus partes")
    if fallos:
        sys.exit(f"{nombre}: " + "; ".join(fallos))


def seguir_reglas(nombre, v):
    """The derivation rules of data/README.md, so a hand edit cannot drift from them."""
    masa, consumo40, taller, medida, internacional = TIPOS[nombre]
    combustible, obra = PESO.get(masa, (1.0, 1.0))
    fallos = []
    if abs(v[("V", 7)] - round(consumo40 * combustible, 1)) > 1e-9:
        fallos.append(f"consumo {v[('V', 7)]} en lugar de {consumo40} × {combustible}")
    base = TALLER_INTERNACIONAL if internacional else TALLER_40T
    for (h, i), por_km in zip((("V", 28), ("V", 30)), base):
        if abs(v[(h, i)] - round(por_km * taller * obra, 4)) > 1e-9:
            fallos.append(f"{h}({i}) no es {por_km} × {taller} × {obra}")
    tractor, semi = neumaticos()
    for numero, precio_campo, vida_campo in tractor + [semi]:
        precio, vida = NEUMATICOS[medida.split("+")[-1 if numero == semi[0] else 0]]
        if v[numero] and (v[precio_campo], v[vida_campo]) != (precio, vida):
            fallos.append(f"neumáticos V({numero[1]}) fuera de la base de {medida} pulgadas")
    if masa in (44, 46) and v[("C", 3)] != 44000 or masa == 40 and v[("C", 3)] != 40000:
        fallos.append("MMA distinta de la de su regla de peso")
    vacios = {("V", 8): (10, 14, 15), ("V", 25): (26, 27)}
    for (h, i), dependientes in vacios.items():
        if not v[(h, i)] and any(v[(h, d)] for d in dependientes):
            fallos.append(f"valores sin sentido detrás de {h}({i}) = 0")
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

    tractor, semi = neumaticos()
    neum = sum(v[n] * v[p] / v[d] for n, p, d in tractor)
    if not g("F2", 1) or g("F2", 2) > 0:
        neum += v[semi[0]] * v[semi[1]] / v[semi[2]]

    temporales = amort + fin + g("F3", 1) + g("F3", 18) + g("F3", 28)
    kilometricos = (combustible + g("V", 42) + neum * km + (g("V", 28) + g("V", 30)) * km
                    + g("F3", 8) + g("V", 32))
    return redondear((temporales + kilometricos + g("I", 5)) / km, 4)


def coste_km_programa(calc, ruta):
    """R(43) of the reference column as the program computes it."""
    return float(resultados_programa(calc, ruta)["43"])


def resultados_programa(calc, ruta):
    salida = subprocess.run([calc, "--formato", "json", str(ruta)], check=True,
                            capture_output=True, text=True).stdout
    return json.loads(salida)["referencia"]["R"]


def comprobar_publicado(calc, campos, datos):
    """The general-cargo articulated vehicle against the published figures,
    and the 44-tonne effect: the same vehicle at 40 t for comparison."""
    r = resultados_programa(calc, SALIDA / f"{ARTICULADO}.brm")
    nuestro = {"total": r["19"], "C1": r["43"], "neumaticos": r["8"],
               "mantenimiento": r["9"], "reparaciones": r["10"]}
    fallos = []
    for clave, (publicado, margen) in PUBLICADO.items():
        desvio = nuestro[clave] / publicado - 1
        print(f"{clave}: {nuestro[clave]} frente a {publicado} publicado ({desvio:+.1%})")
        if abs(desvio) > margen:
            fallos.append(f"{clave} se aparta más del {margen:.0%}")
    if abs(r["18"] / r["17"] - INDIRECTOS) > 0.0005:
        fallos.append("indirectos lejos del 6,5 % de los directos")

    masa, consumo40, taller, _, _ = TIPOS[ARTICULADO]
    a40 = dict(datos[ARTICULADO])
    a40[("V", 7)] = consumo40
    a40[("V", 28)], a40[("V", 30)] = (round(x * taller, 4) for x in TALLER_40T)
    with tempfile.TemporaryDirectory() as tmp:
        ruta = Path(tmp) / "a40.brm"
        escribir(ruta, campos, a40, a40, FECHA_REFERENCIA)
        r40 = resultados_programa(calc, ruta)
    print(f"a 40 t: total {r40['19']} ({r40['19'] / PUBLICADO['total'][0] - 1:+.1%}), C1 {r40['43']}; "
          f"efecto de las {masa} t: {r['19'] - r40['19']:+.2f} EUR sin indirectos")
    if fallos:
        sys.exit(f"{ARTICULADO}: " + "; ".join(fallos))


def comprobar_bandas(calc, tipos):
    """Each type's cost per kilometre, as the program computes it, in its group's band."""
    fallos = []
    for (minimo, maximo), grupo in BANDAS_C1.items():
        for tipo in grupo:
            r = resultados_programa(calc, SALIDA / f"{tipo}.brm")
            if not minimo <= r["43"] <= maximo:
                fallos.append(f"{tipo}: C1 {r['43']} fuera de {minimo}-{maximo}")
            if not BANDA_INDIRECTOS[0] < r["18"] / r["17"] < BANDA_INDIRECTOS[1]:
                fallos.append(f"{tipo}: indirectos fuera del 3-12 % de los directos")
    if sorted(t for grupo in BANDAS_C1.values() for t in grupo) != sorted(tipos):
        fallos.append("las bandas de C1 no cubren los veinte tipos una vez cada uno")
    if fallos:
        sys.exit("; ".join(fallos))


def tabla(tipos, datos, calc):
    print("| Tipo | MMA (t) | km/año | % en carga | Tractora o rígido (€) | Semirremolque o remolque (€) "
          "| l/100 km a 40 t | l/100 km | Neumático | Taller | C1 (€/km) |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---|---:|---:|")
    for tipo in tipos:
        v = datos[tipo]
        masa, consumo40, taller, medida, internacional = TIPOS[tipo]
        c1 = coste_km_programa(calc, SALIDA / f"{tipo}.brm") if calc else coste_km(v)
        semi = v[("F2", 2)]
        mma = masa or v[("C", 3)] / 1000
        fila = [v[("C", 1)], f"{mma:g}", miles(v[("C", 7)]), f"{v[('C', 8)]:g}", miles(v[("F1", 2)]),
                miles(semi) if semi else "–", f"{consumo40:.1f}", f"{v[('V', 7)]:.1f}",
                medida.replace("+", " y ") + ("\"" if medida[0].isdigit() else ""),
                f"{taller:.2f}" + (" (internacional)" if internacional else ""), f"{c1:.4f}"]
        print("| " + " | ".join(fila).replace(".", ",").replace(";", ".") + " |")


def miles(x):
    """Thousands grouped with '.', as a Spanish reader expects (';' until the
    decimal points become commas)."""
    return f"{int(x):,}".replace(",", ";")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--tabla", action="store_true", help="imprime la tabla del README")
    ap.add_argument("--calc", help="ruta de tarvia-calc para el coste por kilómetro")
    ap.add_argument("--comprobar", action="store_true",
                    help="no escribe: compara los archivos con la fuente y el articulado con las cifras publicadas")
    args = ap.parse_args()
    leer_campos(args.calc or PROGRAMA)

    tipos, campos, fuente = leer_fuente()
    datos = {t: {c: valor(c, fuente[t][c]) for c in campos} for t in tipos}
    if sorted(tipos) != sorted(TIPOS):
        sys.exit("los tipos de baremario.tsv no son los de las reglas")
    for tipo in tipos:
        revisar(tipo, datos[tipo])
        seguir_reglas(tipo, datos[tipo])

    if args.tabla:
        tabla(tipos, datos, args.calc)
        return
    if args.comprobar:
        with tempfile.TemporaryDirectory() as tmp:
            generar(tipos, campos, datos, Path(tmp) / "Baremario", Path(tmp) / "Cálculos")
            distintos = [p.name for p in sorted((Path(tmp) / "Baremario").iterdir())
                         + sorted((Path(tmp) / "Cálculos").iterdir())
                         if p.read_bytes() != ((SALIDA if p.suffix == ".brm" else CALCULOS) / p.name).read_bytes()]
        if distintos:
            sys.exit("archivos que no corresponden a la fuente (vuelva a generarlos): " + ", ".join(distintos))
        if args.calc:
            comprobar_publicado(args.calc, campos, datos)
            comprobar_bandas(args.calc, tipos)
        print("datos de referencia al día con su fuente")
        return

    generar(tipos, campos, datos, SALIDA, CALCULOS)
    print(f"{len(tipos)} archivos en {SALIDA}, {len(EJEMPLOS)} en {CALCULOS}")


def generar(tipos, campos, datos, salida, calculos):
    salida.mkdir(exist_ok=True)
    for tipo in tipos:
        escribir(salida / f"{tipo}.brm", campos, datos[tipo], datos[tipo], fecha_de(tipo))
    calculos.mkdir(exist_ok=True)
    for nombre, ej in EJEMPLOS.items():
        referencia = datos[ej["tipo"]]
        personal = dict(referencia)
        for campo, x in ej["cambios"].items():
            personal[campo] = x if campo in TEXTOS else float(x)
        if personal[("F3", 2)]:  # the program keeps the diets total in step with the kilometres
            personal[("F3", 8)] = redondear(personal[("F3", 3)] * personal[("F3", 4)], 2) + \
                redondear(personal[("F3", 6)] * personal[("C", 7)], 2)
        revisar(nombre, personal)
        escribir(calculos / nombre, campos, personal, referencia, ej["fecha"], fecha_de(ej["tipo"]))


if __name__ == "__main__":
    main()

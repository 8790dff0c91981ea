#!/usr/bin/env python3
"""Speed of `tarvia-calc --comparar` as a whole process, start-up included:
the twenty reference files copied COPIAS times, compared in one run, REPETICIONES
runs. Prints the median wall time and processor time of a run and the files
per second each gives (processor time is steadier on a loaded machine).

    bench/comparar_proceso.py [--copias 50] [--repeticiones 11] [build/bin/tarvia-calc]
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("calc", nargs="?", default=str(RAIZ / "build" / "bin" / "tarvia-calc"))
    p.add_argument("--copias", type=int, default=50)
    p.add_argument("--repeticiones", type=int, default=11)
    args = p.parse_args()

    referencia = sorted((RAIZ / "data" / "Baremario").glob("*.brm"))
    if not referencia:
        sys.exit("no hay ficheros .brm en data/Baremario")
    with tempfile.TemporaryDirectory(prefix="tarvia-comparar-") as carpeta:
        archivos = []
        for k in range(args.copias):
            for f in referencia:
                destino = Path(carpeta) / f"{k}_{f.name}"
                shutil.copyfile(f, destino)
                archivos.append(str(destino))
        orden = [args.calc, "--formato", "json", "--comparar", *archivos]
        entorno = dict(os.environ, LC_ALL="C")
        paredes, procesador = [], []
        for _ in range(args.repeticiones):
            antes = resource.getrusage(resource.RUSAGE_CHILDREN)
            inicio = time.perf_counter()
            r = subprocess.run(orden, stdout=subprocess.DEVNULL, env=entorno)
            paredes.append(time.perf_counter() - inicio)
            despues = resource.getrusage(resource.RUSAGE_CHILDREN)
            procesador.append(despues.ru_utime - antes.ru_utime + despues.ru_stime - antes.ru_stime)
            if r.returncode != 0:
                sys.exit(f"tarvia-calc terminó con {r.returncode}")
    n = len(archivos)
    pared, cpu = statistics.median(paredes), statistics.median(procesador)
    print(f"{n} ficheros, {args.repeticiones} pasadas (medianas)")
    print(f"  reloj:      {pared * 1000:8.1f} ms  {n / pared:8.0f} ficheros/s")
    print(f"  procesador: {cpu * 1000:8.1f} ms  {n / cpu:8.0f} ficheros/s")


if __name__ == "__main__":
    main()

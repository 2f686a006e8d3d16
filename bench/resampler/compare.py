"""Times our resampler against Pillow, libvips and ImageMagick, Lanczos, one thread, in one run.

Prints one markdown table of median times per resize call with the output megapixels per
second. Times are CPU times of the resizing process (all its threads), which a busy machine
disturbs far less than wall-clock times; every tool is measured in several rounds, interleaved
with the others, and the median of all its runs is taken.

  ours         Google Benchmark binary resampler_bench (its Stretch cases), CPU time
  Pillow       Image.resize(size, LANCZOS) in this process
  libvips      vips_resize with kernel lanczos3 through GObject introspection in this process,
               VIPS_CONCURRENCY=1, the result written to memory so that it is computed;
               without gir1.2-vips-8.0 the vips command is timed instead (process start and the
               write of a .v file included)
  ImageMagick  convert -limit thread 1 IN.mpc -filter Lanczos -resize WxH! null:, minus the
               same command without the resize (process start and the memory-mapped read)
"""

import argparse
import json
import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

os.environ["VIPS_CONCURRENCY"] = "1"

CASES = [
    (101, 197, 76, 148),
    (101, 197, 50, 98),
    (4000, 3000, 3000, 2250),
    (4000, 3000, 2000, 1500),
    (4000, 3000, 1000, 750),
]


def noise(width, height, seed):
    return random.Random(seed).randbytes(width * height * 3)


def cpu_samples(call, runs):
    """CPU seconds of each of runs calls."""
    samples = []
    for _ in range(runs):
        start = time.process_time()
        call()
        samples.append(time.process_time() - start)
    return samples


def runs_for(width, height):
    return 200 if width * height < 100000 else 3


class Ours:
    name = "ours"

    def __init__(self, binary):
        self.binary = binary

    def measure(self, case, runs):
        w, h, W, H = case
        pattern = "Stretch/w:%d/h:%d/W:%d/H:%d/" % (w, h, W, H)
        output = subprocess.run(
            [self.binary, "--benchmark_filter=^" + pattern,
             "--benchmark_repetitions=%d" % max(3, min(runs, 10)),
             "--benchmark_format=json"],
            check=True, capture_output=True, text=True).stdout
        samples = []
        for entry in json.loads(output)["benchmarks"]:
            if entry.get("run_type") == "iteration":
                scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
                samples.append(entry["cpu_time"] * scale)
        return samples


class Pillow:
    name = "Pillow"

    def __init__(self):
        from PIL import Image
        self.Image = Image
        self.lanczos = Image.Resampling.LANCZOS if hasattr(Image, "Resampling") else Image.LANCZOS

    def measure(self, case, runs):
        w, h, W, H = case
        image = self.Image.frombytes("RGB", (w, h), noise(w, h, 1))
        return cpu_samples(lambda: image.resize((W, H), self.lanczos), runs)


class VipsIntrospection:
    name = "libvips"

    def __init__(self):
        import gi
        gi.require_version("Vips", "8.0")
        from gi.repository import GObject, Vips
        Vips.init(sys.argv[0])
        Vips.cache_set_max(0)
        self.GObject = GObject
        self.Vips = Vips

    def resize(self, image, case):
        w, h, W, H = case
        operation = self.Vips.Operation.new("resize")
        setter = self.GObject.Object.set_property
        setter(operation, "in", image)
        setter(operation, "scale", W / w)
        setter(operation, "vscale", H / h)
        setter(operation, "kernel", self.Vips.Kernel.LANCZOS3)
        built = self.Vips.cache_operation_build(operation)
        out = self.GObject.Object.get_property(built, "out")
        out.write_to_memory()
        self.Vips.Object.unref_outputs(built)
        return out

    def measure(self, case, runs):
        w, h, W, H = case
        image = self.Vips.Image.new_from_memory_copy(noise(w, h, 1), w, h, 3,
                                                     self.Vips.BandFormat.UCHAR)
        out = self.resize(image, case)
        if (out.get_width(), out.get_height()) != (W, H):
            raise RuntimeError("vips gave %dx%d" % (out.get_width(), out.get_height()))
        return cpu_samples(lambda: self.resize(image, case), runs)


def child_cpu(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


class VipsCommand:
    name = "libvips (command)"

    def __init__(self, folder):
        self.folder = folder

    def measure(self, case, runs):
        w, h, W, H = case
        source = os.path.join(self.folder, "in-%dx%d.ppm" % (w, h))
        native = os.path.join(self.folder, "in-%dx%d.v" % (w, h))
        if not os.path.exists(native):
            write_ppm(source, w, h)
            subprocess.run(["vips", "copy", source, native], check=True)
        target = os.path.join(self.folder, "out.v")
        command = ["vips", "resize", native, target, repr(W / w), "--vscale", repr(H / h),
                   "--kernel", "lanczos3"]
        return [child_cpu(command) for _ in range(min(runs, 20))]


class ImageMagick:
    name = "ImageMagick"

    def __init__(self, folder):
        self.folder = folder

    def measure(self, case, runs):
        w, h, W, H = case
        source = os.path.join(self.folder, "in-%dx%d.ppm" % (w, h))
        cache = os.path.join(self.folder, "in-%dx%d.mpc" % (w, h))
        if not os.path.exists(cache):
            write_ppm(source, w, h)
            subprocess.run(["convert", source, cache], check=True)
        base = ["convert", "-limit", "thread", "1", cache]
        samples = []
        for _ in range(min(runs, 20)):
            resized = child_cpu(base + ["-filter", "Lanczos", "-resize", "%dx%d!" % (W, H),
                                        "null:"])
            plain = child_cpu(base + ["null:"])
            samples.append(max(resized - plain, 0.0))
        return samples


def write_ppm(path, width, height):
    if not os.path.exists(path):
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (width, height))
            f.write(noise(width, height, 1))


def cell(samples, case):
    if not samples:
        return "n/a", None
    seconds = statistics.median(samples)
    megapixels = case[2] * case[3] / 1e6
    if seconds < 1e-3:
        text = "%.0f µs" % (seconds * 1e6)
    else:
        text = "%.1f ms" % (seconds * 1e3)
    return "%s (%.0f Mpx/s)" % (text, megapixels / seconds if seconds > 0 else 0), seconds


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary", help="path of resampler_bench")
    parser.add_argument("--rounds", type=int, default=3)
    arguments = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="resampler-compare-")
    try:
        tools = [Ours(arguments.binary)]
        notes = []
        try:
            tools.append(Pillow())
        except ImportError:
            notes.append("Pillow missing (python3-pil)")
        try:
            tools.append(VipsIntrospection())
        except (ImportError, ValueError) as error:
            if shutil.which("vips"):
                tools.append(VipsCommand(folder))
                notes.append("libvips through its command (%s)" % error)
            else:
                notes.append("libvips missing (libvips-tools)")
        if shutil.which("convert"):
            tools.append(ImageMagick(folder))
        else:
            notes.append("ImageMagick missing (imagemagick)")

        samples = {(tool.name, case): [] for tool in tools for case in CASES}
        for _ in range(arguments.rounds):
            for case in CASES:
                for tool in tools:
                    runs = max(1, runs_for(case[0], case[1]) // arguments.rounds)
                    samples[(tool.name, case)] += tool.measure(case, runs)

        names = [tool.name for tool in tools]
        print("| case | " + " | ".join(names) + " | ours vs. fastest other |")
        print("|---" * (len(names) + 2) + "|")
        for case in CASES:
            cells = [cell(samples[(name, case)], case) for name in names]
            ours = cells[0][1]
            others = [seconds for _, seconds in cells[1:] if seconds]
            ratio = "%.1f× faster" % (min(others) / ours) if others and ours else "n/a"
            label = "%d×%d → %d×%d" % case
            print("| %s | %s | %s |" % (label, " | ".join(text for text, _ in cells), ratio))
        print()
        print("Median CPU time per resize call (one thread, Lanczos3, 24-bit input), "
              "output megapixels per second in brackets.")
        for note in notes:
            print("Note: " + note)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Renders live results pages in headless Chromium and checks what a reader gets.

    check_live_page.py CHROMIUM FOLDER NAME...

For each FOLDER/NAME.html (served from FOLDER over HTTP on 127.0.0.1; with FOLDER/NAME.expected: the texts it must show, one a line) at
390 x 844 and 1280 x 800, in the light and the dark scheme: every expected text is in the
rendered document; at phone width the page does not scroll sideways and no text of the chart is
drawn under 12 CSS pixels; on the wide screen the chart shows whole; no two texts of the chart
come closer than 6 pixels side by side (names and clubs, round names); the screenshot holds the
winners' colour. Then the page that updates itself (FOLDER/update-1.html, served as update.html
and, from the second request on, FOLDER/update-2.html in its place): scrolled down, after 20 s
it shows the later page's champion where it was scrolled to, without having been reloaded.
Only the standard library: the PNG is decoded with zlib.
"""

import functools
import html.parser
import http.server
import os
import re
import struct
import subprocess
import sys
import tempfile
import threading
import zlib

SIZES = [(390, 844), (1280, 800)]
# Blink's preferredColorScheme setting: 0 dark, 1 light.
SCHEMES = {"light": "1", "dark": "0"}

# Chromium keeps its windows at least 500 pixels wide, so the page is shown in a frame of the
# size checked, in a page of the same origin (served over HTTP) whose script reads what the
# frame's layout came to and writes it, with the frame's text, into its own document.
FRAME = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>frame</title>
<style>body{margin:0}iframe{border:0;display:block}</style></head>
<body><iframe id="frame" src="%(page)s" width="%(width)d" height="%(height)d"></iframe>
<script>
function probe() {
  var w = document.getElementById('frame').contentWindow, d = w.document;
  var root = d.documentElement, svg = d.querySelector('svg');
  var scale = svg.getBoundingClientRect().width / svg.viewBox.baseVal.width, least = 1000;
  d.querySelectorAll('svg text').forEach(function (t) {
    least = Math.min(least, parseFloat(w.getComputedStyle(t).fontSize) * scale);
  });
  // Texts of the chart on one row (overlapping by height) must keep 6 pixels apart.
  var boxes = [], close = [];
  d.querySelectorAll('svg text').forEach(function (t) {
    var b = t.getBBox();
    boxes.push({l: b.x, t: b.y, r: b.x + b.width, b: b.y + b.height, text: t.textContent});
  });
  boxes.forEach(function (a, i) {
    boxes.slice(i + 1).forEach(function (b) {
      if (a.t + 1 < b.b && b.t + 1 < a.b && a.l < b.r + 6 && b.l < a.r + 6) {
        close.push(a.text + ' / ' + b.text);
      }
    });
  });
  d.querySelectorAll('body *:not(svg):not(svg *)').forEach(function (e) {
    if (e.textContent.trim()) least = Math.min(least, parseFloat(w.getComputedStyle(e).fontSize));
  });
  var box = d.querySelector('.chart');
  var out = document.createElement('div');
  out.id = 'layout-probe';
  out.setAttribute('data-scheme',
      w.matchMedia('(prefers-color-scheme: dark)').matches ? 'dark' : 'light');
  out.setAttribute('data-page-width', root.scrollWidth + ' ' + w.innerWidth);
  out.setAttribute('data-chart-width', box.scrollWidth + ' ' + box.clientWidth);
  out.setAttribute('data-least-font', least.toFixed(2));
  out.setAttribute('data-close', close.slice(0, 5).join(' | '));
  out.setAttribute('data-close-count', String(close.length));
  out.textContent = d.body.textContent;
  document.body.appendChild(out);
}
var frame = document.getElementById('frame');
if (frame.contentDocument && frame.contentDocument.readyState === 'complete' &&
    frame.contentDocument.querySelector('svg')) {
  probe();
} else {
  frame.addEventListener('load', probe);
}
</script></body></html>
"""

# The page that updates itself, in a frame: scrolled down once loaded, its loads counted (a
# reload would load it again); 20 s later what the frame shows is written down.
UPDATE_FRAME = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>update</title></head>
<body><iframe id="frame" src="update.html" width="390" height="600"></iframe>
<script>
var frame = document.getElementById('frame'), loads = 0;
frame.addEventListener('load', function () {
  var w = frame.contentWindow;
  if (++loads !== 1) return;
  w.scrollTo(0, 300);
  setTimeout(function () {
    var d = w.document, champion = d.querySelector('.champion');
    var out = document.createElement('div');
    out.id = 'update-probe';
    out.setAttribute('data-loads', String(loads));
    out.setAttribute('data-scroll', String(w.scrollY));
    out.setAttribute('data-champion', champion ? champion.textContent : '');
    out.setAttribute('data-updated', d.querySelector('.updated').textContent);
    document.body.appendChild(out);
  }, 20000);
});
</script></body></html>
"""


class TextOf(html.parser.HTMLParser):
    """The frame's text as the probe copied it, and the probe's findings."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.skip = 0
        self.probe = {}

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "script"):
            self.skip += 1
        attributes = dict(attrs)
        if attributes.get("id") in ("layout-probe", "update-probe"):
            self.probe = attributes

    def handle_endtag(self, tag):
        if tag in ("style", "script"):
            self.skip -= 1

    def handle_data(self, data):
        if not self.skip:
            self.parts.append(data)


def chromium(binary, profile, size, scheme, *args):
    command = [binary, "--headless", "--no-sandbox", "--disable-gpu",
               "--force-device-scale-factor=1", "--user-data-dir=" + profile,
               "--window-size=%d,%d" % (max(size[0], 500), size[1]),
               "--blink-settings=preferredColorScheme=" + SCHEMES[scheme]] + list(args)
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          timeout=120, check=True)
    return done.stdout.decode("utf-8")


def png_pixels(path):
    """Width, height and rows of (r, g, b) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and color in (2, 6), "unexpected PNG format"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if color == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + predictor) & 0xFF
        rows.append(line)
        previous = line
    return width, height, channels, rows


def count_color(path, rgb):
    width, _, channels, rows = png_pixels(path)
    wanted = bytes(rgb)
    return sum(1 for row in rows for x in range(width)
               if bytes(row[x * channels:x * channels + 3]) == wanted)


def check(binary, folder, name, work, base):
    with open(os.path.join(folder, name + ".html"), encoding="utf-8") as f:
        page = f.read()
    with open(os.path.join(folder, name + ".expected"), encoding="utf-8") as f:
        expected = [line for line in f.read().split("\n") if line]
    win = re.search(r"\.w\{fill:#([0-9A-Fa-f]{6})\}", page).group(1)
    rgb = tuple(int(win[i:i + 2], 16) for i in (0, 2, 4))
    failures = []
    for size in SIZES:
        frame = "%s-%d.html" % (name, size[0])
        with open(os.path.join(folder, frame), "w", encoding="utf-8") as f:
            f.write(FRAME % {"page": name + ".html", "width": size[0], "height": size[1]})
        for scheme in SCHEMES:
            where = "%s %dx%d %s" % (name, size[0], size[1], scheme)
            profile = tempfile.mkdtemp(dir=work)
            parser = TextOf()
            parser.feed(chromium(binary, profile, size, scheme, "--dump-dom", base + frame))
            probe = parser.probe
            if not probe:
                failures.append("%s: the page did not load in its frame" % where)
                continue
            text = " ".join(" ".join(parser.parts).split())
            missing = [t for t in expected if " ".join(t.split()) not in text]
            if missing:
                failures.append("%s: not shown: %s" % (where, missing[:5]))
            if probe.get("data-scheme") != scheme:
                failures.append("%s: the browser took the %s scheme" % (where,
                                                                       probe.get("data-scheme")))
            page_width, inner = map(int, probe["data-page-width"].split())
            chart_width, chart_box = map(int, probe["data-chart-width"].split())
            least = float(probe["data-least-font"])
            if probe["data-close-count"] != "0":
                failures.append("%s: %s texts too close: %s" % (where, probe["data-close-count"],
                                                                probe["data-close"]))
            if inner != size[0]:
                failures.append("%s: the frame is %d pixels wide" % (where, inner))
            if size[0] < 768:
                if page_width > inner:
                    failures.append("%s: the page scrolls sideways (%d > %d)"
                                    % (where, page_width, inner))
                if least < 12:
                    failures.append("%s: text of %.2f CSS pixels" % (where, least))
            elif chart_width > chart_box:
                failures.append("%s: the chart does not show whole (%d > %d)"
                                % (where, chart_width, chart_box))
            shot = os.path.join(work, "%s-%dx%d-%s.png" % (name, size[0], size[1], scheme))
            chromium(binary, profile, size, scheme, "--hide-scrollbars",
                     "--screenshot=" + shot, base + frame)
            winners = count_color(shot, rgb)
            if winners < 50:
                failures.append("%s: %d pixels of the winners' colour #%s" % (where, winners, win))
            print("%-26s %d/%d texts shown, page %d/%d px, chart %d/%d px, least text %.1f px, "
                  "%d pixels #%s" % (where + ":", len(expected) - len(missing), len(expected),
                                     page_width, inner, chart_width, chart_box, least, winners,
                                     win))
    return failures


def check_update(binary, folder, work, base):
    """The page that updates itself takes the later page in place, keeping the reader's place."""
    with open(os.path.join(folder, "update-frame.html"), "w", encoding="utf-8") as f:
        f.write(UPDATE_FRAME)
    with open(os.path.join(folder, "update-2.html"), encoding="utf-8") as f:
        later = f.read()
    champion = re.search(r'<p class="champion">(.*?)</p>', later).group(1)
    champion = html.unescape(re.sub(r"<[^>]*>", "", champion))
    Quiet.update_requests = 0
    parser = TextOf()
    parser.feed(chromium(binary, tempfile.mkdtemp(dir=work), (500, 700), "light",
                         "--virtual-time-budget=30000", "--dump-dom", base + "update-frame.html"))
    probe = parser.probe
    failures = []
    if not probe:
        return ["update: the page did not load in its frame"]
    if probe.get("data-loads") != "1":
        failures.append("update: the page was loaded again instead of updated in place")
    if probe.get("data-champion") != champion:
        failures.append("update: the champion shows as %r, not %r"
                        % (probe.get("data-champion"), champion))
    if probe.get("data-scroll") != "300":
        failures.append("update: scrolled to %s instead of 300" % probe.get("data-scroll"))
    print("update: %d requests, %s load(s), champion %r, scrolled to %s, %s"
          % (Quiet.update_requests, probe.get("data-loads"), probe.get("data-champion"),
             probe.get("data-scroll"), probe.get("data-updated")))
    return failures


class Quiet(http.server.SimpleHTTPRequestHandler):
    """Serves the folder; update.html is update-1.html at first, then update-2.html."""
    update_requests = 0

    def do_GET(self):
        if self.path.split("?")[0] == "/update.html":
            Quiet.update_requests += 1
            self.path = "/update-1.html" if Quiet.update_requests == 1 else "/update-2.html"
        super().do_GET()

    def log_message(self, *args):
        pass


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    binary, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = []
    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = "http://127.0.0.1:%d/" % server.server_address[1]
    try:
        with tempfile.TemporaryDirectory() as work:
            for name in names:
                failures += check(binary, folder, name, work, base)
            if os.path.exists(os.path.join(folder, "update-1.html")):
                failures += check_update(binary, folder, work, base)
    finally:
        server.shutdown()
    for failure in failures:
        print("FAILED: " + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

// Rasterises Spain's communities, Catalonia's comarcas and the Community of
// Madrid's zones into the label grids in tools/mapas/. Run by hand
// (`npm install && node generar.mjs`) when the geography or the numbering
// changes; the build only reads the committed grids.
//
// Pixel (x, y) covers [x, x+1) x [y, y+1) and takes the label of the region
// containing its centre.

import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { createRequire } from "node:module";
import { feature, neighbors } from "topojson-client";
import { geoConicConformal, geoCentroid } from "d3-geo";
import { COMARCAS, numerarComarcas } from "./comarcas.mjs";

const aqui = path.dirname(fileURLToPath(import.meta.url));
const salida = path.resolve(aqui, "..");
const require = createRequire(import.meta.url);
const atlas = JSON.parse(
  fs.readFileSync(require.resolve("es-atlas/es/municipalities.json"), "utf8"),
);

function fallar(msg) {
  console.error("ERROR: " + msg);
  process.exit(1);
}

// ---------------------------------------------------------------- geometry

// All rings of a Polygon / MultiPolygon as arrays of [lon, lat].
function anillos(geom) {
  if (geom.type === "Polygon") return geom.coordinates;
  if (geom.type === "MultiPolygon") return geom.coordinates.flat();
  return [];
}

// Polygons (each a list of rings) of a geometry.
function poligonos(geom) {
  if (geom.type === "Polygon") return [geom.coordinates];
  if (geom.type === "MultiPolygon") return geom.coordinates;
  return [];
}

const proyectarAnillos = (rings, f) => rings.map((r) => r.map(f));

// Even-odd scanline fill at pixel centres; calls pintar(x, y) per pixel.
function rellenar(rings, W, H, pintar) {
  let y0 = Infinity, y1 = -Infinity;
  for (const r of rings) for (const p of r) { y0 = Math.min(y0, p[1]); y1 = Math.max(y1, p[1]); }
  const ja = Math.max(0, Math.floor(y0 - 0.5)), jb = Math.min(H - 1, Math.ceil(y1));
  for (let j = ja; j <= jb; j++) {
    const yc = j + 0.5;
    const xs = [];
    for (const r of rings) {
      for (let k = 0, n = r.length; k < n; k++) {
        const a = r[k], b = r[(k + 1) % n];
        if ((a[1] <= yc) !== (b[1] <= yc)) {
          xs.push(a[0] + ((yc - a[1]) * (b[0] - a[0])) / (b[1] - a[1]));
        }
      }
    }
    xs.sort((p, q) => p - q);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const ia = Math.max(0, Math.ceil(xs[k] - 0.5));
      const ib = Math.min(W - 1, Math.ceil(xs[k + 1] - 0.5) - 1);
      for (let i = ia; i <= ib; i++) pintar(i, j);
    }
  }
}

function dentro(rings, x, y) {
  let c = false;
  for (const r of rings) {
    for (let k = 0, n = r.length, m = n - 1; k < n; m = k++) {
      const a = r[k], b = r[m];
      if ((a[1] > y) !== (b[1] > y) &&
          x < ((b[0] - a[0]) * (y - a[1])) / (b[1] - a[1]) + a[0]) c = !c;
    }
  }
  return c;
}

function distBorde(rings, x, y) {
  let d2 = Infinity;
  for (const r of rings) {
    for (let k = 0, n = r.length; k < n; k++) {
      const a = r[k], b = r[(k + 1) % n];
      const dx = b[0] - a[0], dy = b[1] - a[1];
      const l2 = dx * dx + dy * dy;
      let t = l2 > 0 ? ((x - a[0]) * dx + (y - a[1]) * dy) / l2 : 0;
      t = Math.max(0, Math.min(1, t));
      const ex = a[0] + t * dx - x, ey = a[1] + t * dy - y;
      d2 = Math.min(d2, ex * ex + ey * ey);
    }
  }
  return Math.sqrt(d2);
}

// Positive inside, negative outside (pixels).
const margen = (rings, x, y) => (dentro(rings, x, y) ? 1 : -1) * distBorde(rings, x, y);

function limites(rings) {
  const b = [Infinity, Infinity, -Infinity, -Infinity];
  for (const r of rings) for (const [x, y] of r) {
    b[0] = Math.min(b[0], x); b[1] = Math.min(b[1], y);
    b[2] = Math.max(b[2], x); b[3] = Math.max(b[3], y);
  }
  return b;
}

// Nelder-Mead minimiser, small and good enough for three or four unknowns.
function nelderMead(f, x0, passos, iteracions = 600) {
  const n = x0.length;
  let s = [x0.slice()];
  for (let i = 0; i < n; i++) { const x = x0.slice(); x[i] += passos[i]; s.push(x); }
  let v = s.map(f);
  for (let it = 0; it < iteracions; it++) {
    const ord = v.map((_, i) => i).sort((a, b) => v[a] - v[b]);
    s = ord.map((i) => s[i]); v = ord.map((i) => v[i]);
    const c = new Array(n).fill(0);
    for (let i = 0; i < n; i++) for (let k = 0; k < n; k++) c[k] += s[i][k] / n;
    const punto = (t) => c.map((ck, k) => ck + t * (s[n][k] - ck));
    const xr = punto(-1), fr = f(xr);
    if (fr < v[0]) {
      const xe = punto(-2), fe = f(xe);
      if (fe < fr) { s[n] = xe; v[n] = fe; } else { s[n] = xr; v[n] = fr; }
    } else if (fr < v[n - 1]) {
      s[n] = xr; v[n] = fr;
    } else {
      const xc = punto(0.5), fc = f(xc);
      if (fc < v[n]) { s[n] = xc; v[n] = fc; } else {
        for (let i = 1; i <= n; i++) { s[i] = s[i].map((x, k) => s[0][k] + 0.5 * (x - s[0][k])); v[i] = f(s[i]); }
      }
    }
  }
  const best = v.indexOf(Math.min(...v));
  return s[best];
}

// ------------------------------------------------------------- label grids

const CARACTERS = ".123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

function escribirRejilla(nombre, W, H, rejilla) {
  let texto = "";
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) texto += CARACTERS[rejilla[y * W + x]];
    texto += "\n";
  }
  fs.writeFileSync(path.join(salida, nombre), texto);
}

// Rasterising at pixel centres leaves a few one- or two-pixel specks of a
// region inside its neighbours; they read as noise, so they join the
// neighbour around them. Islands (specks touching the sea) stay.
function limpia(rejilla, W, H, maximo = 3) {
  const visto = new Uint8Array(W * H);
  const vecinos4 = (i) => {
    const x = i % W, y = (i - x) / W, r = [];
    if (x > 0) r.push(i - 1);
    if (x < W - 1) r.push(i + 1);
    if (y > 0) r.push(i - W);
    if (y < H - 1) r.push(i + W);
    return r;
  };
  const componentes = new Map();
  for (let i = 0; i < W * H; i++) {
    if (visto[i] || !rejilla[i]) continue;
    const v = rejilla[i], pila = [i], comp = [];
    visto[i] = 1;
    while (pila.length) {
      const j = pila.pop();
      comp.push(j);
      for (const k of vecinos4(j)) if (!visto[k] && rejilla[k] === v) { visto[k] = 1; pila.push(k); }
    }
    if (!componentes.has(v)) componentes.set(v, []);
    componentes.get(v).push(comp);
  }
  let cambios = 0;
  for (const comps of componentes.values()) {
    comps.sort((a, b) => b.length - a.length);
    for (const comp of comps.slice(1)) {
      if (comp.length > maximo) continue;
      const cuenta = new Map();
      let mar = false;
      for (const j of comp) for (const k of vecinos4(j)) {
        if (rejilla[k] === rejilla[j]) continue;
        if (!rejilla[k]) mar = true;
        cuenta.set(rejilla[k], (cuenta.get(rejilla[k]) || 0) + 1);
      }
      if (mar) continue;
      const nuevo = [...cuenta].sort((a, b) => b[1] - a[1])[0][0];
      for (const j of comp) rejilla[j] = nuevo;
      cambios++;
    }
  }
  return cambios;
}

// Pixels per label; fails if a label in 1..n has fewer than `minimo` pixels.
function comprobarRegiones(nombre, rejilla, n, minimo) {
  const cuenta = new Array(n + 1).fill(0);
  for (const v of rejilla) cuenta[v]++;
  for (let r = 1; r <= n; r++) {
    if (cuenta[r] < minimo) fallar(`${nombre}: region ${r} has only ${cuenta[r]} pixels`);
  }
  console.log(`${nombre}: pixels per region ` +
    cuenta.slice(1).map((c, i) => `${i + 1}:${c}`).join(" "));
}

// Distance in pixels from (x, y) to the nearest pixel with another label.
function margenPixel(rejilla, W, H, x, y) {
  const v = rejilla[y * W + x];
  for (let r = 1; r < 20; r++) {
    for (let dy = -r; dy <= r; dy++) for (let dx = -r; dx <= r; dx++) {
      const xx = x + dx, yy = y + dy;
      if (xx < 0 || yy < 0 || xx >= W || yy >= H || rejilla[yy * W + xx] !== v) return r - 1;
    }
  }
  return 19;
}

// ======================================================== 1. communities

const COMUNIDADES = [
  [1, "Andalucía"], [2, "Aragón"], [3, "Principado de Asturias"],
  [4, "Illes Balears"], [5, "Canarias"], [6, "Cantabria"],
  [7, "Castilla-La Mancha"], [8, "Castilla y León"], [9, "Cataluña/Catalunya"],
  [10, "Extremadura"], [11, "Galicia"], [12, "La Rioja"],
  [13, "Comunidad de Madrid"], [14, "Región de Murcia"],
  [15, "Comunidad Foral de Navarra"], [16, "Comunitat Valenciana"],
  [17, "País Vasco/Euskadi"], [18, "Ciudad Autónoma de Ceuta"],
  [19, "Ciudad Autónoma de Melilla"],
];

// The program's fixed marker of each community on the 281x196 map.
const MARCADORES = {
  1: [102, 141], 2: [156, 73], 3: [82, 41], 4: [221, 100], 5: [204, 162],
  6: [111, 42], 7: [128, 108], 8: [100, 68], 9: [188, 64], 10: [77, 111],
  11: [58, 49], 12: [131, 60], 13: [114, 89], 14: [148, 133], 15: [143, 52],
  16: [160, 107], 17: [130, 47], 18: [83, 171], 19: [136, 174],
};

function mapaEspana() {
  const W = 281, H = 196;
  const regiones = feature(atlas, atlas.objects.autonomous_regions).features;
  const porNombre = new Map(regiones.map((f) => [f.properties.name, f]));
  const geo = new Map();
  for (const [n, nombre] of COMUNIDADES) {
    const f = porNombre.get(nombre);
    if (!f) fallar(`community "${nombre}" not in es-atlas`);
    geo.set(n, f);
  }
  const sobrantes = regiones.filter((f) => !COMUNIDADES.some(([, nombre]) => nombre === f.properties.name));
  if (sobrantes.length !== 1 || !/^Gibraltar/.test(sobrantes[0].properties.name)) {
    fallar("unexpected regions in es-atlas: " + sobrantes.map((f) => f.properties.name).join(", "));
  }

  // Mainland and Balearics: conic conformal; the Canaries reuse it, shifted
  // (and enlarged when there is room) into an inset south-east of the peninsula.
  const RADIO = 4.5;
  const base = geoConicConformal().rotate([5, -38.6]).parallels([0, 60]).scale(1).translate([0, 0]);
  const unidades = new Map();
  for (const [n] of COMUNIDADES) unidades.set(n, proyectarAnillos(anillos(geo.get(n).geometry), base));

  // Mainland fit, affine p = [a, b, c, d, e, f]: x = a*u + b*v + c,
  // y = d*u + e*v + f, keeping every marker as deep inside its community as
  // possible. The markers are fixed and do not follow any true projection,
  // so the fit may stretch and tilt the map a little to honour them.
  const peninsulares = COMUNIDADES.map(([n]) => n).filter((n) => n !== 5 && n !== 18 && n !== 19);
  const aplicar = (p, rings) => rings.map((r) => r.map(([u, v]) => [p[0] * u + p[1] * v + p[2], p[3] * u + p[4] * v + p[5]]));
  const margenes = (p) => {
    const m = peninsulares.map((n) => margen(aplicar(p, unidades.get(n)), ...MARCADORES[n].map((c) => c + 0.5)));
    // Ceuta's and Melilla's discs need open sea around them.
    for (const n of [18, 19]) {
      const [x, y] = MARCADORES[n].map((c) => c + 0.5);
      m.push(Math.min(...[1, 14, 16].map((a) => -margen(aplicar(p, unidades.get(a)), x, y))) - RADIO - 2);
    }
    return m;
  };
  const cost = (p) => {
    const m = margenes(p);
    return -(Math.min(...m) + 0.05 * m.reduce((s, x) => s + Math.min(x, 6), 0));
  };
  // Starting point: least squares between markers and community centroids.
  const pares = peninsulares.map((n) => {
    let g = geo.get(n).geometry;
    if (n === 4) { // Mallorca, the largest island
      const ps = poligonos(g);
      let mejor = ps[0], area = -1;
      for (const p of ps) { const b = limites(p); const a = (b[2] - b[0]) * (b[3] - b[1]); if (a > area) { area = a; mejor = p; } }
      g = { type: "Polygon", coordinates: mejor };
    }
    return [base(geoCentroid(g)), MARCADORES[n]];
  });
  const mu = pares.reduce((s, [u]) => [s[0] + u[0] / pares.length, s[1] + u[1] / pares.length], [0, 0]);
  const mx = pares.reduce((s, [, x]) => [s[0] + x[0] / pares.length, s[1] + x[1] / pares.length], [0, 0]);
  let num = 0, den = 0;
  for (const [u, x] of pares) {
    num += (u[0] - mu[0]) * (x[0] - mx[0]) + (u[1] - mu[1]) * (x[1] - mx[1]);
    den += (u[0] - mu[0]) ** 2 + (u[1] - mu[1]) ** 2;
  }
  const k0 = num / den;
  let p = [k0, 0, mx[0] - k0 * mu[0], 0, k0, mx[1] - k0 * mu[1]];
  for (let vuelta = 0; vuelta < 10; vuelta++) {
    p = nelderMead(cost, p, [k0 * 0.03, k0 * 0.03, 3, k0 * 0.03, k0 * 0.03, 3], 1000);
  }
  console.log(`mainland: affine ${p.map((x) => x.toFixed(2)).join(" ")}; marker margins ` +
    margenes(p).map((x) => x.toFixed(1)).join(" "));

  const rejilla = new Uint8Array(W * H);
  const pintar = (n) => (x, y) => { if (!rejilla[y * W + x]) rejilla[y * W + x] = n; };
  for (const n of peninsulares) rellenar(aplicar(p, unidades.get(n)), W, H, pintar(n));

  // Ceuta and Melilla are far too small at this scale: a clickable disc on
  // their markers, over the sea.
  for (const n of [18, 19]) {
    const [cx, cy] = MARCADORES[n];
    for (let y = cy - 5; y <= cy + 5; y++) for (let x = cx - 5; x <= cx + 5; x++) {
      if ((x - cx) ** 2 + (y - cy) ** 2 <= RADIO * RADIO && !rejilla[y * W + x]) rejilla[y * W + x] = n;
    }
  }

  // Canary inset: enlarged by `f`, shifted so the marker lands deep inside an
  // island, the whole archipelago inside the picture and clear of the rest.
  const canarias = unidades.get(5);
  let mejor = null;
  const ocupado = (x, y) => {
    for (let dy = -3; dy <= 3; dy++) for (let dx = -3; dx <= 3; dx++) {
      const xx = Math.round(x) + dx, yy = Math.round(y) + dy;
      if (xx >= 0 && yy >= 0 && xx < W && yy < H && rejilla[yy * W + xx]) return true;
    }
    return false;
  };
  for (const f of [1.4, 1.3, 1.2, 1.1, 1.0, 0.9]) {
    const rings0 = canarias.map((r) => r.map(([u, v]) => [f * (p[0] * u + p[1] * v), f * (p[3] * u + p[4] * v)]));
    const [x0, y0, x1, y1] = limites(rings0);
    // Candidate offsets put the marker on points of the islands' interiors.
    const [mx5, my5] = MARCADORES[5];
    for (let ddx = Math.floor(mx5 - x1); ddx <= Math.ceil(mx5 - x0); ddx += 0.5) {
      for (let ddy = Math.floor(my5 - y1); ddy <= Math.ceil(my5 - y0); ddy += 0.5) {
        if (x0 + ddx < 3 || x1 + ddx > W - 4 || y0 + ddy < 3 || y1 + ddy > H - 4) continue;
        const rings = rings0.map((r) => r.map(([x, y]) => [x + ddx, y + ddy]));
        if (!dentro(rings, mx5 + 0.5, my5 + 0.5)) continue;
        const m = distBorde(rings, mx5 + 0.5, my5 + 0.5);
        if (mejor && m <= mejor.m) continue;
        let choca = false;
        for (const r of rings) { for (const [x, y] of r) if (ocupado(x, y)) { choca = true; break; } if (choca) break; }
        if (!choca) mejor = { m, f, ddx, ddy, rings };
      }
    }
    if (mejor) console.log(`  Canary inset x${f}: best so far ${mejor.m.toFixed(2)} px (x${mejor.f})`);
    if (mejor && mejor.m >= 2.5) break;
  }
  if (!mejor) fallar("no room for the Canary inset");
  console.log(`Canary inset: x${mejor.f} offset ${mejor.ddx} ${mejor.ddy}, marker ${mejor.m.toFixed(2)} px inside`);
  rellenar(mejor.rings, W, H, pintar(5));

  console.log(`comunidades: ${limpia(rejilla, W, H)} specks merged`);
  comprobarRegiones("comunidades", rejilla, 19, 20);
  let mal = 0;
  for (const [n, nombre] of COMUNIDADES) {
    const [x, y] = MARCADORES[n];
    const v = rejilla[y * W + x];
    const m = margenPixel(rejilla, W, H, x, y);
    console.log(`  marker ${n} (${x},${y}) -> ${v} ${nombre}, ${m} px inside`);
    if (v !== n || m < 1) mal++;
  }
  if (mal) fallar(`${mal} community markers are not well inside their community`);
  escribirRejilla("comunidades.txt", W, H, rejilla);
}

// ====================================================== 2. Catalan comarques

function municipios(prefijos) {
  return feature(atlas, atlas.objects.municipalities).features
    .filter((f) => prefijos.some((p) => String(f.id).startsWith(p)));
}

// Projection filling a W x H picture with a margin of `m` pixels.
function ajustar(features, rotacion, W, H, m) {
  const lat = -rotacion[1];
  return geoConicConformal().rotate(rotacion).parallels([lat - 1, lat + 1])
    .fitExtent([[m, m], [W - m, H - m]], { type: "FeatureCollection", features: features });
}

function mapaCataluna() {
  const W = 281, H = 220;
  const munis = municipios(["08", "17", "25", "43"]);
  const numeros = numerarComarcas();
  const comarcaDe = new Map();
  for (const c of COMARCAS) {
    for (const codigo of c.municipios) {
      if (comarcaDe.has(codigo)) fallar(`municipality ${codigo} in two comarcas`);
      comarcaDe.set(codigo, numeros.get(c.nombre));
    }
  }
  const codigos = new Set(munis.map((f) => String(f.id)));
  for (const codigo of comarcaDe.keys()) if (!codigos.has(codigo)) fallar(`municipality ${codigo} not in es-atlas`);
  const sinComarca = munis.filter((f) => !comarcaDe.has(String(f.id)));
  if (sinComarca.length) fallar("municipalities without comarca: " + sinComarca.map((f) => f.id + " " + f.properties.name).join(", "));

  const proj = ajustar(munis, [-1.6, -41.7], W, H, 3);
  const rejilla = new Uint8Array(W * H);
  for (const f of munis) {
    const n = comarcaDe.get(String(f.id));
    rellenar(proyectarAnillos(anillos(f.geometry), proj), W, H, (x, y) => { if (!rejilla[y * W + x]) rejilla[y * W + x] = n; });
  }
  console.log(`catalunya: ${limpia(rejilla, W, H)} specks merged`);
  comprobarRegiones("catalunya", rejilla, 41, 30);
  escribirRejilla("catalunya.txt", W, H, rejilla);
  return [...numeros].sort((a, b) => a[1] - b[1]);
}

// ============================================================ 3. Madrid zones

// The city of Madrid split among five zones, by the nearest of these points.
const ZONAS_CAPITAL = [
  ["Madrid-Centro", [-3.7038, 40.4168]], // Puerta del Sol
  ["Madrid-Norte", [-3.6950, 40.4900]], // Fuencarral
  ["Madrid-Este", [-3.6150, 40.4400]], // Ciudad Lineal - San Blas
  ["Madrid-Sur", [-3.6900, 40.3600]], // Usera - Villaverde - Vallecas
  ["Madrid-Oeste", [-3.7650, 40.4150]], // Latina - Moncloa
];

// Zone towns (INE code, zone name); every other municipality joins the zone
// town nearest to it (see mapaMadrid).
const ZONAS_PUEBLOS = [
  ["28005", "Alcalá de Henares"],
  ["28006", "Alcobendas"],
  ["28007", "Alcorcón"],
  ["28013", "Aranjuez"],
  ["28014", "Arganda del Rey"],
  ["28027", "Buitrago del Lozoya"],
  ["28047", "Collado Villalba"],
  ["28045", "Colmenar Viejo"],
  ["28058", "Fuenlabrada"],
  ["28065", "Getafe"],
  ["28127", "Las Rozas de Madrid"],
  ["28074", "Leganés"],
  ["28080", "Majadahonda"],
  ["28092", "Móstoles"],
  ["28096", "Navalcarnero"],
  ["28106", "Parla"],
  ["28115", "Pozuelo de Alarcón"],
  ["28123", "Rivas-Vaciamadrid"],
  ["28131", "S. Lorenzo de El Escorial"],
  ["28134", "S. Sebastián de los Reyes"],
  ["28133", "San Martín Valdeiglesias"],
  ["28148", "Torrejón de Ardoz"],
  ["28161", "Valdemoro"],
];

function mapaMadrid() {
  const W = 281, H = 220;
  const munis = municipios(["28"]);
  const porCodigo = new Map(munis.map((f) => [String(f.id), f]));
  const proj = ajustar(munis, [3.7, -40.5], W, H, 3);
  const nombres = [...ZONAS_CAPITAL.map(([nombre]) => nombre), ...ZONAS_PUEBLOS.map(([, nombre]) => nombre)];
  for (const nombre of nombres) if ([...nombre].length > 25) fallar(`zone name too long: ${nombre}`);
  for (const [codigo, nombre] of ZONAS_PUEBLOS) {
    const f = porCodigo.get(codigo);
    if (!f) fallar(`zone town ${codigo} (${nombre}) not in es-atlas`);
    const nombreDatos = f.properties.name.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
    const palabra = nombre.replace(/^S\. /, "").split(" ").pop().normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
    if (!nombreDatos.includes(palabra)) fallar(`zone town ${codigo} is "${f.properties.name}", not ${nombre}`);
  }
  const capital = porCodigo.get("28079");
  if (!capital || capital.properties.name !== "Madrid") fallar("28079 is not Madrid");

  // Each municipality joins the zone town nearest to it along the map (the
  // shortest chain of neighbouring municipalities, centroid to centroid,
  // never through the capital), which keeps every zone in one piece.
  const geoms = atlas.objects.municipalities.geometries;
  const vecinos = neighbors(geoms);
  const centro = new Map(munis.map((f) => [String(f.id), proj(geoCentroid(f.geometry))]));
  const dist = new Map(), zonaDe = new Map();
  ZONAS_PUEBLOS.forEach(([codigo], i) => { dist.set(codigo, 0); zonaDe.set(codigo, ZONAS_CAPITAL.length + i + 1); });
  const pendientes = new Set(ZONAS_PUEBLOS.map(([codigo]) => codigo));
  while (pendientes.size) {
    let a = null;
    for (const c of pendientes) if (a === null || dist.get(c) < dist.get(a)) a = c;
    pendientes.delete(a);
    const ia = geoms.findIndex((g) => String(g.id) === a);
    for (const ib of vecinos[ia]) {
      const b = String(geoms[ib].id);
      if (!b.startsWith("28") || b === "28079") continue;
      const [xa, ya] = centro.get(a), [xb, yb] = centro.get(b);
      const d = dist.get(a) + Math.hypot(xa - xb, ya - yb);
      if (!dist.has(b) || d < dist.get(b)) { dist.set(b, d); zonaDe.set(b, zonaDe.get(a)); pendientes.add(b); }
    }
  }
  const rejilla = new Uint8Array(W * H);
  for (const f of munis) {
    const codigo = String(f.id);
    if (codigo === "28079") continue;
    if (!zonaDe.has(codigo)) fallar(`municipality ${codigo} ${f.properties.name} reaches no zone town`);
    const zona = zonaDe.get(codigo);
    rellenar(proyectarAnillos(anillos(f.geometry), proj), W, H, (x, y) => { if (!rejilla[y * W + x]) rejilla[y * W + x] = zona; });
  }
  const puntosCapital = ZONAS_CAPITAL.map(([, ll]) => proj(ll));
  rellenar(proyectarAnillos(anillos(capital.geometry), proj), W, H, (x, y) => {
    let n = 0, d = Infinity;
    puntosCapital.forEach((q, i) => { const dd = (q[0] - x - 0.5) ** 2 + (q[1] - y - 0.5) ** 2; if (dd < d) { d = dd; n = i; } });
    rejilla[y * W + x] = n + 1;
  });
  console.log(`madrid: ${limpia(rejilla, W, H)} specks merged`);
  comprobarRegiones("madrid", rejilla, nombres.length, 30);
  escribirRejilla("madrid.txt", W, H, rejilla);
  return nombres.map((nombre, i) => [nombre, i + 1]);
}

// ================================================================== output

mapaEspana();
const comarcas = mapaCataluna();
const zonas = mapaMadrid();
const dos = (n) => String(n).padStart(2, "0");
let lista = "# Region numbers of the maps mapac (C: comarques of Catalonia) and mapam\n" +
  "# (M: zones of the Community of Madrid). Written by generar/generar.mjs.\n";
for (const [nombre, n] of comarcas) lista += `C ${dos(n)} ${nombre}\n`;
for (const [nombre, n] of zonas) lista += `M ${dos(n)} ${nombre}\n`;
fs.writeFileSync(path.join(salida, "regiones.txt"), lista);
console.log("written comunidades.txt, catalunya.txt, madrid.txt, regiones.txt");

// The 41 classic comarques of Catalonia and their municipalities, by INE code
// (province prefix + three digits). Moianès (2015) is split back: Calders,
// L'Estany, Moià, Monistrol de Calders and Santa Maria d'Oló to Bages;
// Castellcir, Castellterçol, Granera and Sant Quirze Safaja to Vallès
// Oriental; Collsuspina to Osona.
//
// Numbering: Barcelonès is district 37 (fixed by the program's data); the
// other forty follow alphabetical order and skip 37.

const lista = (prov, codigos) =>
  codigos.trim().split(/\s+/).map((c) => prov + c);

export const COMARCAS = [
  { nombre: "Alt Camp", municipios: lista("43", `
    001 005 010 034 036 059 066 080 083 089 091 098 108 113 119 120 124 132
    134 160 161 165 170`) },
  { nombre: "Alt Empordà", municipios: lista("17", `
    001 003 005 011 012 014 016 026 029 030 031 032 041 042 047 051 052 054
    060 062 064 066 074 075 077 086 088 092 093 100 102 106 111 115 119 120
    128 129 132 135 136 138 140 143 151 152 158 171 175 176 178 182 187 188
    196 198 210 214 217 221 222 223 225 226 227 228 230 234`) },
  { nombre: "Alt Penedès", municipios: lista("08", `
    013 027 058 065 085 091 094 122 145 146 154 164 168 174 206 222 227 232
    236 240 249 251 273 287 288 304 305`) },
  { nombre: "Alt Urgell", municipios: lista("25", `
    005 030 032 044 061 071 077 088 140 149 155 165 185 203 239 906 908 909
    910`) },
  { nombre: "Alta Ribagorça", municipios: lista("25", `043 173 245`) },
  { nombre: "Anoia", municipios: lista("08", `
    008 021 025 028 031 036 044 048 060 063 071 102 103 104 119 133 143 152
    161 162 165 170 176 185 189 226 228 250 257 286 292 297 302`) },
  { nombre: "Bages", municipios: lista("08", `
    002 010 012 018 034 038 047 053 059 061 062 079 084 090 098 113 127 128
    138 139 140 141 178 182 191 192 212 213 218 229 242 258 262 274 277`) },
  { nombre: "Baix Camp", municipios: lista("43", `
    003 007 009 011 015 017 031 033 038 039 042 045 053 057 081 088 092 116
    118 123 127 128 129 145 162 167 169 178`) },
  { nombre: "Baix Ebre", municipios: lista("43", `
    006 008 013 025 052 102 104 133 149 155 901 903 904 906`) },
  { nombre: "Baix Empordà", municipios: lista("17", `
    004 013 018 022 034 048 055 057 068 070 076 081 085 110 117 118 121 124
    126 130 144 153 160 181 191 195 197 199 203 204 205 209 211 232 901 902`) },
  { nombre: "Baix Llobregat", municipios: lista("08", `
    001 020 056 066 068 069 072 073 076 077 089 114 123 147 157 158 169 196
    200 204 208 211 217 221 244 263 289 295 301 905`) },
  { nombre: "Baix Penedès", municipios: lista("43", `
    002 016 020 024 028 030 037 051 074 079 090 137 140 163`) },
  { nombre: "Barcelonès", municipios: lista("08", `015 019 101 194 245`) },
  { nombre: "Berguedà", municipios: [...lista("08", `
    011 016 022 024 045 049 050 052 057 078 080 092 093 099 130 132 142 144
    166 175 177 188 190 216 255 268 293 299 308 903`), ...lista("25", `100`)] },
  { nombre: "Cerdanya", municipios: [...lista("17", `
    006 024 061 069 078 082 084 094 099 141 206`), ...lista("25", `
    051 127 139 175 179 913`)] },
  { nombre: "Conca de Barberà", municipios: lista("43", `
    021 029 046 054 061 073 086 101 105 107 130 139 141 142 143 146 147 158
    159 168 172 176`) },
  { nombre: "Garraf", municipios: lista("08", `043 074 148 231 270 307`) },
  { nombre: "Garrigues", municipios: lista("25", `
    006 009 029 056 058 067 073 076 081 092 097 101 105 118 119 153 169 170
    180 206 218 224 253 255`) },
  { nombre: "Garrotxa", municipios: lista("17", `
    010 019 021 046 098 105 109 114 133 139 149 154 161 162 165 183 184 185
    200 207 208`) },
  { nombre: "Gironès", municipios: lista("17", `
    002 020 025 038 040 044 049 050 067 073 079 087 089 090 097 142 155 157
    163 166 168 169 172 173 186 215 216`) },
  { nombre: "Maresme", municipios: lista("08", `
    003 006 007 009 029 030 032 035 040 075 110 118 121 126 153 155 163 172
    193 197 203 214 219 230 235 261 264 281 282 284`) },
  { nombre: "Montsià", municipios: lista("43", `
    004 014 044 062 063 068 077 078 136 138 156 902`) },
  { nombre: "Noguera", municipios: lista("25", `
    002 008 015 022 034 035 037 040 042 047 049 060 062 069 079 094 112 134
    138 150 156 164 172 177 220 222 231 240 249 250`) },
  { nombre: "Osona", municipios: [...lista("08", `
    004 017 026 037 067 070 083 100 109 111 112 116 117 129 131 149 150 151
    160 171 183 195 199 201 215 220 224 225 233 237 241 243 246 247 253 254
    265 269 271 272 275 278 280 283 285 298 303 901`), ...lista("17", `
    063 212 220`)] },
  { nombre: "Pallars Jussà", municipios: lista("25", `
    001 098 115 128 161 171 190 196 201 202 215 227 234 904`) },
  { nombre: "Pallars Sobirà", municipios: lista("25", `
    017 024 039 082 086 087 089 123 126 183 208 209 221 901 903`) },
  { nombre: "Pla d'Urgell", municipios: lista("25", `
    041 048 052 068 093 099 113 122 135 137 158 168 205 230 248 252`) },
  { nombre: "Pla de l'Estany", municipios: lista("17", `
    015 035 056 058 065 071 123 137 174 190 218`) },
  { nombre: "Priorat", municipios: lista("43", `
    023 027 035 040 049 055 058 069 070 072 075 076 082 085 096 112 114 115
    151 154 157 173 174`) },
  { nombre: "Ribera d'Ebre", municipios: lista("43", `
    019 026 060 065 067 084 093 094 099 121 125 150 152 177`) },
  { nombre: "Ripollès", municipios: lista("17", `
    036 037 039 043 080 091 096 107 112 125 134 145 147 167 170 177 192 201
    224`) },
  { nombre: "Segarra", municipios: lista("25", `
    055 072 085 103 104 110 114 132 141 143 152 191 192 194 197 216 219 223
    905 907 911`) },
  { nombre: "Segrià", municipios: lista("25", `
    004 007 010 011 012 013 014 016 019 020 021 023 033 036 038 053 078 102
    120 125 131 133 142 174 182 189 200 204 210 211 212 226 228 232 233 251
    254 912`) },
  { nombre: "Selva", municipios: [...lista("17", `
    007 008 009 023 027 028 033 083 095 101 103 116 146 148 150 159 164 180
    189 193 194 202 213 233 903`), ...lista("08", `082`)] },
  { nombre: "Solsonès", municipios: lista("25", `
    064 075 111 124 129 136 146 148 151 163 166 167 186 193 207`) },
  { nombre: "Tarragonès", municipios: lista("43", `
    012 043 047 050 095 097 100 103 109 111 122 126 131 135 144 148 153 164
    166 171 905 907`) },
  { nombre: "Terra Alta", municipios: lista("43", `
    018 022 032 041 048 056 064 071 106 110 117 175`) },
  { nombre: "Urgell", municipios: lista("25", `
    003 027 046 050 070 074 096 109 130 145 154 157 176 181 217 225 238 242
    244 902`) },
  { nombre: "Val d'Aran", municipios: lista("25", `
    025 031 045 057 059 063 121 243 247`) },
  { nombre: "Vallès Occidental", municipios: lista("08", `
    051 054 087 120 125 156 167 179 180 184 187 205 223 238 252 260 266 267
    279 290 291 300 904`) },
  { nombre: "Vallès Oriental", municipios: lista("08", `
    005 014 023 033 039 041 042 046 055 064 081 086 088 095 096 097 105 106
    107 108 115 124 134 135 136 137 159 181 198 202 207 209 210 234 239 248
    256 259 276 294 296 306 902`) },
];

// Plain sort key (no accents), so the numbering never depends on the ICU build.
const clave = (s) => s.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();

// District number of each comarca: Barcelonès 37, the rest alphabetical.
export function numerarComarcas() {
  const otras = COMARCAS.filter((c) => c.nombre !== "Barcelonès")
    .map((c) => c.nombre)
    .sort((a, b) => (clave(a) < clave(b) ? -1 : 1));
  const numeros = new Map([["Barcelonès", 37]]);
  let n = 1;
  for (const nombre of otras) {
    if (n === 37) n++;
    numeros.set(nombre, n++);
  }
  return numeros;
}

// What the itinerary screen loads when it is made: the intermediate-cycle
// titles with their families, subjects and sections, and the options and
// statements of the intermediate-cycle questionnaire. The intermediate-cycle
// screen reads all of it.
#pragma once

namespace norvela {

class Enlace;

// Options the intermediate-cycle questionnaire opens with ("cuesgm" lines 1..11).
constexpr int kOpcionesCuestionarioGM = 11;
// Statements of the questionnaire after its options, at most.
constexpr int kMaxCuestionesGM = 100;

// "cuesgm" into ListaGM75 (its first 11 lines) and CuestionesGM (the rest,
// NumCuesGM of them) with the two codes of each statement in CodigoGM1 and
// CodigoGM2; "fp2" into NombresFPMedio with its family headings in
// EncabezadosFPMedio (NumFamiliasGM, FilaTituloGM, FamiliasAntesDeMarcaGM)
// and the two section limits; "asignagm" into AsignaturasFPMedio;
// CuestionarioGM cleared. A missing file has been reported and set
// ErrorFicheros; a code that is not a digit is an ErrorConversion, more
// statements than the table holds or fewer than 11 lines an ErrorRango.
void CargarDatosItinerarios(Enlace &e);

// The title-number limits of the arts and sports sections of "fp2": the
// first line whose second character is "|", and "!". A section the file
// lacks starts after the last title, so it holds none.
void CalcularSeccionesGM(Enlace &e);

} // namespace norvela

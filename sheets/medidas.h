#pragma once
// Sizes the sheets and the main window share, in twips (1/1440 inch).
namespace tarvia::medidas {

inline constexpr int kAltoCaja = 285;        // every text box
inline constexpr int kIzquierdaRotulo = 240; // a row caption's left edge inside its frame
inline constexpr int kMargenHoja = 180;      // a sheet lies this far inside the viewport
inline constexpr int kAnchoInterior = 11595; // the main window's designed inner width
inline constexpr int kTira = 400;            // the scroll strips: PicVScroll wide, PicHScroll high
inline constexpr int kBarra = 240;           // the scroll bar inside its strip
inline constexpr int kBordeBarra = 80;       // from the strip's edge to its bar
inline constexpr int kAltoPatillas = 1695;   // the sheet strip at the top

} // namespace tarvia::medidas

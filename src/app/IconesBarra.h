#pragma once

class QPainter;

namespace app::Figuras {

// The pictures of the main window's toolbar, each showing its button's task, drawn on a 64-unit
// square for IconeDesenhado.
void Empresas(QPainter& p);        // a building
void Socios(QPainter& p);          // two people side by side
void Terceiros(QPainter& p);       // a person with a card
void CodigosFiscais(QPainter& p);  // a table of codes
void ForCli(QPainter& p);          // a delivery truck
void MovimentoIcms(QPainter& p);   // a document with goods (a parcel)
void MovimentoIss(QPainter& p);    // a document with a service (a gear)
void MudaUsuario(QPainter& p);     // a person with turning arrows
void MudaImpressora(QPainter& p);  // a printer

}  // namespace app::Figuras

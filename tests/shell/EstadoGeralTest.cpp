#include <gtest/gtest.h>

#include "platform/values/RuntimeError.h"
#include "shell/EstadoGeral.h"

TEST(EstadoGeralTest, ResetEmptiesEveryValue) {
    Geral::UsuarioAtual = "Maria";
    Geral::TipoImpressora = "M";
    Geral::DireitosUsuario[Geral::Direito::bdalt] = true;
    Geral::Cancelado = true;
    Geral::ContaErros = 3;
    Geral::ListaErros[1] = {1, "Erro Fatal", "Código inválido"};
    Geral::DataReferencia = QDate(2024, 5, 1);
    Geral::Contador2 = 2;
    Geral::ReiniciaEstadoGeral();
    EXPECT_EQ(Geral::UsuarioAtual, "");
    EXPECT_EQ(Geral::TipoImpressora, "");
    EXPECT_FALSE(Geral::DireitosUsuario[Geral::Direito::bdalt]);
    EXPECT_FALSE(Geral::Cancelado);
    EXPECT_EQ(Geral::ContaErros, 0);
    EXPECT_TRUE(Geral::ListaErros[1].vazia());
    EXPECT_TRUE(Geral::DataReferencia.isNull());
    EXPECT_EQ(Geral::Contador2, 0);
    EXPECT_EQ(Geral::ValorEmpat, 0);
    EXPECT_EQ(Geral::ValorNempat, "");
}

TEST(EstadoGeralTest, ErrorListHasRowsOneToTwentyOnly) {
    Geral::ReiniciaEstadoGeral();
    Geral::ListaErros[20].Tipo = "Alerta de Erro";
    EXPECT_FALSE(Geral::ListaErros[20].vazia());
    for (int fora : {0, 21, -1}) {
        try {
            Geral::ListaErros[fora].Tipo = "Erro Fatal";
            FAIL() << fora;
        } catch (const platform::values::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
        }
    }
    int usadas = 0;
    for (const auto& linha : Geral::ListaErros) usadas += linha.vazia() ? 0 : 1;
    EXPECT_EQ(usadas, 1);
    Geral::ListaErros.Apaga();
    EXPECT_TRUE(Geral::ListaErros[20].vazia());
}

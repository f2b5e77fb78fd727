#include <fcntl.h>
#include <unistd.h>

#include <QFile>

#include "AppFixture.h"
#include "platform/files/InstanceLock.h"

using namespace apptest;

namespace {

// Whether another process could take the lock file of the folder in that way now.
bool OutraCopiaTrava(const QString& arquivo, short tipo) {
    const int fd = ::open(QFile::encodeName(arquivo).constData(), O_RDWR | O_CLOEXEC);
    struct flock trava {};
    trava.l_type = tipo;
    const bool travou = fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &trava) == 0;
    if (fd >= 0) ::close(fd);
    return travou;
}

class InstanceLockTest : public AppTest {};

// From its start the program holds the folder's lock shared: other copies may start, no other copy's
// rebuild can run, and this copy's own rebuild raises it and gives it back shared.
TEST_F(InstanceLockTest, TheRunningProgramHoldsTheFoldersLockShared) {
    Prepara();
    DefineSenhaAdm("adm");
    script->onDialog(QStringLiteral("frmSenha"), Entra("Administrador", "adm"));
    Inicia();
    const QString trava = pasta->arquivo(platform::files::InstanceLockFile);
    EXPECT_TRUE(OutraCopiaTrava(trava, F_RDLCK));
    EXPECT_FALSE(OutraCopiaTrava(trava, F_WRLCK));
    {
        platform::files::ExclusiveInstance rebuild(pasta->path());
        EXPECT_TRUE(rebuild.acquired());
        EXPECT_FALSE(OutraCopiaTrava(trava, F_RDLCK));
    }
    EXPECT_TRUE(OutraCopiaTrava(trava, F_RDLCK));
    EXPECT_FALSE(OutraCopiaTrava(trava, F_WRLCK));
}

}  // namespace

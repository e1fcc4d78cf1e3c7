// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileModes.h"

#include <QFile>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace FileModes {

bool obeyFileModes()
{
    if (geteuid() != 0)
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct sets[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, sets) != 0)
        return false;
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        const unsigned bit = 1u << (capability % 32);
        sets[capability / 32].effective &= ~bit;
        sets[capability / 32].permitted &= ~bit;
        sets[capability / 32].inheritable &= ~bit;
    }
    return syscall(SYS_capset, &header, sets) == 0;
}

bool setWritable(const QString& path, bool writable)
{
    // WriteUser too: Qt sets the owner's bit for it.
    const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                           QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QFileDevice::Permissions permissions = QFile::permissions(path);
    permissions = writable ? (permissions | QFileDevice::WriteOwner) : (permissions & ~write);
    return QFile::setPermissions(path, permissions);
}

} // namespace FileModes

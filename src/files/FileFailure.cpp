// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileFailure.h"

#include <QDir>

namespace {

struct Reason {
    std::errc error;
    QStringView text;
};

// The reasons a user can act on; any other is named by its number.
const Reason Reasons[] = {
    {std::errc::permission_denied, u"sem permissão de acesso"},
    {std::errc::operation_not_permitted, u"operação não permitida"},
    {std::errc::read_only_file_system, u"o disco é somente leitura"},
    {std::errc::no_space_on_device, u"não há espaço livre no disco"},
    {std::errc::file_too_large, u"o arquivo ficaria grande demais"},
    {std::errc::no_such_file_or_directory, u"o arquivo ou a pasta não existe"},
    {std::errc::not_a_directory, u"parte do caminho não é uma pasta"},
    {std::errc::is_a_directory, u"existe uma pasta com esse nome"},
    {std::errc::directory_not_empty, u"existe uma pasta com esse nome"},
    {std::errc::filename_too_long, u"o caminho é longo demais"},
    {std::errc::device_or_resource_busy, u"o arquivo está em uso"},
    {std::errc::text_file_busy, u"o arquivo está em uso"},
    {std::errc::too_many_files_open, u"há arquivos abertos demais"},
    {std::errc::too_many_files_open_in_system, u"há arquivos abertos demais"},
    {std::errc::io_error, u"erro de leitura ou gravação no disco"},
    {std::errc::not_enough_memory, u"memória insuficiente"},
    {std::errc::invalid_argument, u"não é um arquivo comum"},
    {std::errc::too_many_symbolic_link_levels, u"o arquivo é um link que não leva a um arquivo"},
    {std::errc::address_in_use, u"o nome já está em uso"},
};

// In the order of UserFileRefusal.
constexpr QStringView RefusalReasons[] = {
    u"o arquivo é um link numa pasta em que outros podem gravar",
    u"o arquivo não é só seu, numa pasta em que outros podem gravar",
    u"o arquivo tem outros nomes (links físicos), que ficariam com a lista antiga",
    u"a entrada não está mais no arquivo",
};

class UserFileRefusals final : public std::error_category {
public:
    const char* name() const noexcept override { return "user file refusal"; }
    std::string message(int refusal) const override
    {
        return RefusalReasons[refusal - 1].toString().toStdString();
    }
};

QString reasonFor(const std::error_code& error)
{
    if (!error)
        return QStringLiteral("erro desconhecido");
    if (error.category() == make_error_code(UserFileRefusal::RecordGone).category())
        return RefusalReasons[error.value() - 1].toString();
    const std::error_condition condition = error.default_error_condition();
    for (const Reason& reason : Reasons) {
        if (condition == reason.error)
            return reason.text.toString();
    }
    return QStringLiteral("erro %1 do sistema").arg(error.value());
}

} // namespace

std::error_code make_error_code(UserFileRefusal refusal)
{
    static const UserFileRefusals category;
    return {int(refusal), category};
}

QString FileFailure::message() const
{
    // In the order of Action.
    static constexpr QStringView Verbs[] = {u"ler",     u"criar",    u"gravar",
                                            u"excluir", u"renomear", u"executar"};
    QString file = QDir::toNativeSeparators(path);
    if (action == Action::Rename)
        file += QStringLiteral(" para ") + QDir::toNativeSeparators(newPath);
    return QStringLiteral("Não foi possível %1 o arquivo %2: %3.")
        .arg(Verbs[int(action)].toString(), file, reasonFor(error));
}

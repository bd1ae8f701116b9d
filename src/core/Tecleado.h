#pragma once

#include <QString>
#include <optional>

// What staff just typed, read by core/Formato; a refusal is told in Mensaje and nothing is used.

// An amount (LeerImporte); no value after a refusal.
std::optional<double> ImporteTecleado(const QString &texto);
// A text for a field (MotivoTextoNoAdmitido); true when it can be used.
bool TextoTecleado(const QString &texto, const QString &campo);

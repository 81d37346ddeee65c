# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the package's files are staged: the manifest of that staging install
# is of no use to anyone.
file(REMOVE "${CPACK_KOTSU_BUILD_DIR}/install_manifest_Unspecified.txt")

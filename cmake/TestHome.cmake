# SPDX-License-Identifier: GPL-3.0-or-later
# A home, per-user folders and a temporary folder of a test's own under
# <root>/<test>/, so nothing it does (or anything Qt looks up) reaches the
# real home or the shared temporary folder. Sets <out> to the environment
# that points the test there. Used at configure time and by TestDiscover.cmake.
function(smekalia_test_home root name out)
  string(REGEX REPLACE "[^A-Za-z0-9_.-]" "_" folder "${name}")
  set(home ${root}/${folder})
  file(MAKE_DIRECTORY ${home}/config ${home}/data ${home}/cache ${home}/runtime ${home}/tmp)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(${out}
    HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data XDG_CACHE_HOME=${home}/cache
    XDG_RUNTIME_DIR=${home}/runtime TMPDIR=${home}/tmp PARENT_SCOPE)
endfunction()

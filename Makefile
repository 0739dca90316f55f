# The README's commands. Each one installs what is missing, configures and
# builds in its own tree under build/, then does its job, saying in one line
# what each stage is doing. New trees build with Ninja: one progress line.
JOBS    ?= 2
CMAKE   := cmake
RELEASE := build/release
TEST    := build/test
BENCH   := build/bench
PACKAGE := build/package
FUZZ    := build/fuzz
# Seconds each fuzz target runs: make fuzz FUZZ_SECONDS=600
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := ledger_load_fuzz script_line_fuzz dialog_template_fuzz text_conversion_fuzz \
                tool_arguments_fuzz
# Options for the program: make run ARGS="--data ~/car.dat"
ARGS    ?=

# A build inside this make would otherwise print every directory it enters.
MAKEFLAGS += --no-print-directory

# $(call configure,TREE,OPTIONS): a tree made before keeps its generator.
define configure
@echo "configuring $(1)"
@$(CMAKE) -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja) $(2) >/dev/null
endef

# $(call build,TREE[,TARGETS])
define build
@echo "building $(if $(2),$(2),everything) in $(1)"
@$(CMAKE) --build $(1) $(if $(2),--target $(2)) -j$(JOBS)
endef

.PHONY: run test bench skins deps package cross-test fuzz

deps:
	@sh tools/install-deps.sh

run: deps
	$(call configure,$(RELEASE),-DCMAKE_BUILD_TYPE=Release)
	$(call build,$(RELEASE),roadtally roadtally-ledger)
	@echo "starting roadtally $(ARGS)"
	@sh tools/run.sh $(RELEASE)/bin $(ARGS)

test: deps
	$(call configure,$(TEST),-DCMAKE_BUILD_TYPE=Debug -DROADTALLY_SANITIZE=ON -DROADTALLY_WERROR=ON)
	$(call build,$(TEST))
	@cd $(TEST) && ctest --output-on-failure -j$(JOBS)

bench: deps
	$(call configure,$(BENCH),-DCMAKE_BUILD_TYPE=Release -DROADTALLY_BENCH=ON)
	$(call build,$(BENCH))
	@for b in $(BENCH)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

# Every libFuzzer target from its seed corpus for FUZZ_SECONDS (clang-14,
# ASan and UBSan); findings land in build/fuzz/bin/findings.
fuzz: deps
	$(call configure,$(FUZZ),-DCMAKE_BUILD_TYPE=Debug -DROADTALLY_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14)
	$(call build,$(FUZZ),$(FUZZ_TARGETS))
	@sh fuzz/run.sh $(FUZZ)/bin $(FUZZ_SECONDS)

# Redraws the committed skins, icon and dialog templates from their code.
skins: deps
	$(call configure,$(RELEASE),-DCMAKE_BUILD_TYPE=Release)
	$(call build,$(RELEASE),roadtally-skingen)
	@$(RELEASE)/bin/roadtally-skingen resources

# roadtally_<version>_<arch>.deb in this folder, built by CPack from the
# install rules, its library dependencies found by dpkg-shlibdeps. The
# maintainer's address: MAINTAINER_EMAIL=..., else DEBEMAIL, git's user.email
# or LOGIN@HOST.
MAINTAINER_EMAIL ?=
package: deps
	$(call configure,$(PACKAGE),-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr $(if $(MAINTAINER_EMAIL),-DROADTALLY_MAINTAINER_EMAIL=$(MAINTAINER_EMAIL)))
	$(call build,$(PACKAGE),roadtally roadtally-ledger roadtally_icons roadtally_man roadtally_changelog)
	@echo "packaging in $(PACKAGE)"
	@cd $(PACKAGE) && cpack -G DEB >/dev/null
	@cp $(PACKAGE)/roadtally_*.deb . && ls roadtally_*.deb

# The whole test suite built for arm64 and run under qemu-user; slow.
cross-test:
	@sh tools/cross-test.sh build/arm64

# The README's commands. Each one installs what is missing, configures and
# builds in its own tree under build/, then does its job, saying in one line
# what each stage is doing. New trees build with Ninja: one progress line.
JOBS    ?= 2
CMAKE   := cmake
RELEASE := build/release
TEST    := build/test
BENCH   := build/bench
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

.PHONY: run test bench skins deps

deps:
	@sh tools/install-deps.sh

run: deps
	$(call configure,$(RELEASE),-DCMAKE_BUILD_TYPE=Release)
	$(call build,$(RELEASE),roadtally roadtally-ledger)
	@echo "starting roadtally $(ARGS)"
	@sh tools/run.sh $(RELEASE)/bin $(ARGS)

test: deps
	$(call configure,$(TEST),-DCMAKE_BUILD_TYPE=Debug -DROADTALLY_SANITIZE=ON)
	$(call build,$(TEST))
	@cd $(TEST) && ctest --output-on-failure -j$(JOBS)

bench: deps
	$(call configure,$(BENCH),-DCMAKE_BUILD_TYPE=Release -DROADTALLY_BENCH=ON)
	$(call build,$(BENCH))
	@for b in $(BENCH)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

# Redraws the committed skins, icon and dialog templates from their code.
skins: deps
	$(call configure,$(RELEASE),-DCMAKE_BUILD_TYPE=Release)
	$(call build,$(RELEASE),roadtally-skingen)
	@$(RELEASE)/bin/roadtally-skingen resources

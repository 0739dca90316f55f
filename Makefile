# The README's commands. Each one installs what is missing, configures and
# builds in its own tree under build/, then does its job.
JOBS    ?= 2
CMAKE   := cmake
RELEASE := build/release
TEST    := build/test
BENCH   := build/bench

.PHONY: run test bench skins deps release

deps:
	@sh tools/install-deps.sh

release: deps
	@$(CMAKE) -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(CMAKE) --build $(RELEASE) -j$(JOBS)

run: release
	@sh tools/run.sh $(RELEASE)/bin

test: deps
	@$(CMAKE) -S . -B $(TEST) -DCMAKE_BUILD_TYPE=Debug -DROADTALLY_SANITIZE=ON >/dev/null
	@$(CMAKE) --build $(TEST) -j$(JOBS)
	@cd $(TEST) && ctest --output-on-failure -j$(JOBS)

bench: deps
	@$(CMAKE) -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DROADTALLY_BENCH=ON >/dev/null
	@$(CMAKE) --build $(BENCH) -j$(JOBS)
	@for b in $(BENCH)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

# Redraws the committed skins, icon and dialog templates from their code.
skins: deps
	@$(CMAKE) -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(CMAKE) --build $(RELEASE) --target roadtally-skingen -j$(JOBS)
	@$(RELEASE)/bin/roadtally-skingen resources

#pragma once

class Results;

void runOpenBench(Results &results);
void runTickBench(Results &results);
void runRoundBench(Results &results);
void runTimerBench(Results &results);
void runIdleBench(Results &results);
void runStartupBench(Results &results);
void runChronicleBench(Results &results);

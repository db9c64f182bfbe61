#pragma once

#include <cstdint>

#include "app/form1.h"

namespace af {

// "ANIM": one second of simulated time, drawn and erased step by step.
void Command1_Click(Form1& f);
// "RESET": back to t = 0 with the traces cleared.
void Command2_Click(Form1& f);

// Manual time steps.
void SpinButton5_SpinUp(Form1& f);
void SpinButton5_SpinDown(Form1& f);

// Radii r1 and r2.
void SpinButton6_SpinUp(Form1& f);
void SpinButton6_SpinDown(Form1& f);
void SpinButton7_SpinUp(Form1& f);
void SpinButton7_SpinDown(Form1& f);

// Angular frequencies ω1 and ω2.
void SpinButton8_SpinUp(Form1& f);
void SpinButton8_SpinDown(Form1& f);
void SpinButton9_SpinUp(Form1& f);
void SpinButton9_SpinDown(Form1& f);

// Time step ("step t") and angular-frequency step ("step ω").
void Option4_Click(Form1& f);
void Option1_Click(Form1& f);
void Option2_Click(Form1& f);
void Option3_Click(Form1& f, std::int16_t Index);
void Option5_Click(Form1& f);
void Option6_Click(Form1& f);

}  // namespace af

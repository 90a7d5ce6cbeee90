<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AddCorrection</name>
    <message>
        <source>Add Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the correct Add :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prescription&apos;s add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens&apos;s add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentLensPart</name>
    <message>
        <source>RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;B. Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;tient&apos;s Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press space or click to fill current lens for left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate from spherical lens parameters, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Base Curve in mm or in diopters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens base curve, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens base curve, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can omit the decimal point ex: -350 for -3.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens diameter, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current lens diameter, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the patient&apos;s add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient&apos;s add, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient&apos;s add, left eye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>BRENWICK CONTACT LENSES LTD. CORVANE RGP MULTIFOCAL LENS CALCULATOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press space or click to fill the prescription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate from K&apos;s and Rx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit space to fill current lens or Enter to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate from spherical lens parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press enter to clear all fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter to Clear Tab to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter for suggested lens or Tab to quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press enter to print the lens order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter to fill in and Print the Order or Tab to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;int Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter to Quit this program or Tab to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Technical Advice Call Brenwick Contact Lenses Ltd On (555) 014-2270</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderWindow</name>
    <message>
        <source>Additionnal information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Velto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 weeks Delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Material :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the available color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account Number :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account &amp;fax number :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account fax number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;tient name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient n&amp;umber :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patient number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B.C. :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base curve, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base curve, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power : :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diam. :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edge thickness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge thickness, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge thickness, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center thic&amp;kness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center thickness, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center thickness, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dot :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot: Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot: No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Special order :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( 6 lines max. )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve as PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerCorrection</name>
    <message>
        <source>Power Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter the Over-Refraction :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over-refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrescriptionPart</name>
    <message>
        <source>&amp;Keratometry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;yl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vertex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press space or click to fill prescription for left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate from K&apos;s and Rx, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Tab or Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the K then hit Enter or Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keratometry 1, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keratometry 1, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The accepted measures are mm and diopters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keratometry 2, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keratometry 2, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can omit the decimal point ex: -350 for -3.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cylinder can be in minus or plus form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis must be between 1 and 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the up or down arrows or click to change Vertex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertex, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertex, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the patient&apos;s add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, left eye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsPart</name>
    <message>
        <source>B. C. :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diam :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, base curve, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, base curve, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, diameter, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, diameter, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, series, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From K Reading, series, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, base curve, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, base curve, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, diameter, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, diameter, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, series, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Current lens, series, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or click on the ??? to choose the Base Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, base curve, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, base curve, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or click on the ??? to choose the Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, power, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, power, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, diameter, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, diameter, left eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or click on the ??? to choose the Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, series, right eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggested lens, series, left eye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane</name>
    <message>
        <source>Error %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first keratometry is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first keratometry is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keratometry can&apos;t be 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second keratometry is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second keratometry is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The power is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The power is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cylinder is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cylinder is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The axis is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The axis must range between 1 and 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The axis is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vetex is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertex is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertex must be between 0 and 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The add is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The add is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lower keratometry is outside of the recommended tolerances. Please consult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lower keratometry is outside of the recommended tolerances. Please consult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keratometry is outside of the recommended tolerances. Please consult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cylinder is outside of the recommended tolerances. Please consult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens base curve is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens base curve is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens power is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens power is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens diameter is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current lens diameter is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the current patient&apos;s add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The client&apos;s add is not numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Refraction is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries have changed: press Calculate again to order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the ??? to choose the Base Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the ??? to choose the Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does the current spherical base curve provide an alignment fitting ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does the current lens&apos; power Provide best distance vision accuity ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Material and/or colors available on request. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The special order does not fit on the order form: it takes %1 lines where the form has room for %2. Please shorten it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This order has not been printed. Close it and lose what was typed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order could not be printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Save the order as a PDF instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print service is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no default printer is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer %1 is stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer %1 is stopped (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer %1 is not accepting jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer %1 is not accepting jobs (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print job failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print job failed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print job failed on the printer %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print job failed on the printer %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order for %1 did not come out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order for %1 (%2) did not come out: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order of the account %1 did not come out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order without patient or account did not come out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Save that order as a PDF?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order could not be saved as a PDF: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no permission to write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full; %1 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the order as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Not chosen yet: Enter or Space chooses the Base Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not chosen yet: Enter or Space chooses the Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not chosen yet: Enter or Space chooses the Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error for OD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error for OS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvane::ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
